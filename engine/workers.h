// Splitting a render step over the processor's cores. Every split hands
// each part a fixed share of rows and combines the parts in their order, so
// results are bit for bit those of one thread; small pictures stay on the
// calling thread, where starting threads would cost more than it saves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <thread>
#include <vector>

namespace velloro {

struct WorkerPolicy {
  int32_t threads = 2;
  // Work items (pixels) each extra thread must have to be worth starting.
  size_t minimumItemsPerThread = size_t{1} << 17;

  // One thread per core, at most two.
  static WorkerPolicy forThisMachine();
};

// How many parts `items` work items are split into.
int32_t partsFor(const WorkerPolicy& policy, size_t items);

// Runs work(part) for parts 0..parts-1, part 0 on the calling thread, and
// waits for all. A part that throws rethrows here once all have ended; a
// thread that cannot be started runs its part on the calling thread.
template <typename Work>
void runParts(int32_t parts, Work&& work) {
  std::vector<std::exception_ptr> failures(static_cast<size_t>(parts > 0 ? parts : 0));
  std::vector<std::thread> threads;
  const auto guarded = [&](int32_t part) {
    try {
      work(part);
    } catch (...) {
      failures[static_cast<size_t>(part)] = std::current_exception();
    }
  };
  for (int32_t part = 1; part < parts; ++part) {
    try {
      threads.emplace_back(guarded, part);
    } catch (...) {
      guarded(part);
    }
  }
  if (parts > 0) guarded(0);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

// First of `count` items that part `part` of `parts` starts at.
inline int64_t partStart(int64_t count, int32_t part, int32_t parts) {
  return count * part / parts;
}

// Where each of `parts` parts of the items starts, and after them the item
// count: the parts take turns of consecutive items whose `weights` (the
// work of each item) add up to about equal shares.
std::vector<int64_t> balancedStarts(const std::vector<int64_t>& weights, int32_t parts);

}  // namespace velloro
