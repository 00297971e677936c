#include "workers.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace velloro {

WorkerPolicy WorkerPolicy::forThisMachine() {
  return {static_cast<int32_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u))};
}

int32_t partsFor(const WorkerPolicy& policy, size_t items) {
  const size_t perThread = std::max<size_t>(policy.minimumItemsPerThread, 1);
  const size_t worthwhile = std::max<size_t>(items / perThread, 1);
  return static_cast<int32_t>(std::clamp<size_t>(worthwhile, 1, std::max(policy.threads, 1)));
}

std::vector<int64_t> balancedStarts(const std::vector<int64_t>& weights, int32_t parts) {
  const int64_t count = static_cast<int64_t>(weights.size());
  std::vector<int64_t> starts(static_cast<size_t>(std::max(parts, 1)) + 1, count);
  int64_t total = 0;
  for (const int64_t weight : weights) total += std::max<int64_t>(weight, 0);
  starts[0] = 0;
  int64_t item = 0;
  int64_t done = 0;
  for (int32_t part = 1; part < parts; ++part) {
    if (total == 0) {
      starts[static_cast<size_t>(part)] = partStart(count, part, parts);
      continue;
    }
    const int64_t share = total / parts * part + total % parts * part / parts;
    while (item < count && done < share) done += std::max<int64_t>(weights[item++], 0);
    starts[static_cast<size_t>(part)] = item;
  }
  return starts;
}

namespace {

using Job = void (*)(void*);

// Threads that wait for jobs between splits. A round hands one job to the
// first `joining` of them; the caller waits until each has finished it.
class KeptThreads {
 public:
  KeptThreads() = default;
  KeptThreads(const KeptThreads&) = delete;
  KeptThreads& operator=(const KeptThreads&) = delete;
  // Ends the threads when the process ends or the library is unloaded.
  ~KeptThreads() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  // Runs the job beside the caller on up to `helpers` kept threads; false,
  // without running it, while they serve another caller.
  bool run(int32_t helpers, Job job, void* context) {
    std::unique_lock<std::mutex> serving(inUse_, std::try_to_lock);
    if (!serving.owns_lock()) return false;
    addThreads(static_cast<size_t>(helpers));
    {
      std::lock_guard<std::mutex> lock(mutex_);
      job_ = job;
      context_ = context;
      joining_ = std::min(static_cast<size_t>(helpers), threads_.size());
      pending_ = joining_;
      ++round_;
    }
    wake_.notify_all();
    job(context);
    std::unique_lock<std::mutex> lock(mutex_);
    finished_.wait(lock, [this] { return pending_ == 0; });
    return true;
  }

 private:
  // Called only by the caller being served, which alone changes round_.
  void addThreads(size_t wanted) {
    while (threads_.size() < wanted) {
      try {
        threads_.emplace_back(
            [this, index = threads_.size(), seen = round_] { serve(index, seen); });
      } catch (...) {  // no thread, or no room to keep one
        return;
      }
    }
  }

  void serve(size_t index, uint64_t seen) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
      if (stopping_) return;
      seen = round_;
      if (index >= joining_) continue;
      const Job job = job_;
      void* const context = context_;
      lock.unlock();
      job(context);
      lock.lock();
      if (--pending_ == 0) finished_.notify_one();
    }
  }

  std::mutex inUse_;  // held by the caller being served
  std::mutex mutex_;  // guards everything below
  std::condition_variable wake_;
  std::condition_variable finished_;
  std::vector<std::thread> threads_;
  Job job_ = nullptr;
  void* context_ = nullptr;
  uint64_t round_ = 0;
  size_t joining_ = 0;
  size_t pending_ = 0;
  bool stopping_ = false;
};

// Threads started for one job only, when the kept ones are busy.
void runOnFreshThreads(int32_t helpers, Job job, void* context) {
  std::vector<std::thread> threads;
  for (int32_t helper = 0; helper < helpers; ++helper) {
    try {
      threads.emplace_back([job, context] { job(context); });
    } catch (const std::system_error&) {
      break;
    }
  }
  job(context);
  for (std::thread& thread : threads) thread.join();
}

}  // namespace

void runBeside(int32_t helpers, void (*job)(void*), void* context) {
  static KeptThreads kept;
  if (!kept.run(helpers, job, context)) runOnFreshThreads(helpers, job, context);
}

}  // namespace velloro
