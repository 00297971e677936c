// Splitting a render step over the processor's cores. Every split cuts the
// rows into fixed pieces and combines the pieces in their order, whichever
// thread worked each, so results are bit for bit those of one thread; small
// pictures stay on the calling thread, where starting threads would cost
// more than it saves.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

namespace velloro {

// Thrown at a stop point of a render whose caller asked it to stop: the
// render ends there, on whichever thread met it first.
struct RenderStopped {};

struct WorkerPolicy {
  int32_t threads = 2;
  // Work items (pixels) each extra thread must have to be worth starting.
  size_t minimumItemsPerThread = size_t{1} << 17;
  // Set while the render's caller asks it to stop; none: it never stops.
  const std::atomic<bool>* stopAsked = nullptr;

  // One thread per core, at most two.
  static WorkerPolicy forThisMachine();

  // Met between rows (or blocks of rows) by every step that visits the
  // pixels, so a stop ends the render within a row's work. Throws
  // RenderStopped when asked.
  void stopPoint() const {
    if (stopAsked != nullptr && stopAsked->load(std::memory_order_relaxed)) throw RenderStopped{};
  }
};

// How many parts `items` work items are split into.
int32_t partsFor(const WorkerPolicy& policy, size_t items);

// A job split between threads is cut into this many pieces per thread,
// which the threads take in turn until none are left: a thread that starts
// late on a busy machine takes fewer of them, and no thread waits for the
// share of one that has not run yet.
inline constexpr int32_t kPiecesPerThread = 4;

// How many pieces a job for `threads` threads is cut into.
inline int32_t piecesFor(int32_t threads) { return threads > 1 ? threads * kPiecesPerThread : 1; }

// Runs job(context) on the calling thread and at the same time on up to
// `helpers` other threads, and returns once every one has returned. The
// other threads are kept for the whole process, waiting between jobs, so
// the steps of a render do not each start and end threads of their own.
// While they serve another caller, fresh threads take the job; threads that
// cannot be started leave it to the others. `job` must not throw.
void runBeside(int32_t helpers, void (*job)(void*), void* context);

// Runs work(piece) once for each of pieces 0..pieces-1 on up to `threads`
// threads, the calling one among them, and waits for all. A piece that
// throws rethrows here once all have ended.
template <typename Work>
void runPieces(int32_t pieces, int32_t threads, Work&& work) {
  std::vector<std::exception_ptr> failures(static_cast<size_t>(pieces > 0 ? pieces : 0));
  std::atomic<int32_t> next{0};
  auto takePieces = [&] {
    for (int32_t piece = next++; piece < pieces; piece = next++) {
      try {
        work(piece);
      } catch (...) {
        failures[static_cast<size_t>(piece)] = std::current_exception();
      }
    }
  };
  const int32_t helpers = std::min(threads, pieces) - 1;
  if (helpers > 0) {
    runBeside(
        helpers, [](void* pieceTaker) { (*static_cast<decltype(takePieces)*>(pieceTaker))(); },
        &takePieces);
  } else {
    takePieces();
  }
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
