#include "workers.h"

#include <algorithm>

namespace velloro {

WorkerPolicy& workerPolicy() {
  static WorkerPolicy policy{
      static_cast<int32_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u))};
  return policy;
}

int32_t partsFor(size_t items) {
  const WorkerPolicy& policy = workerPolicy();
  const size_t perThread = std::max<size_t>(policy.minimumItemsPerThread, 1);
  const size_t worthwhile = std::max<size_t>(items / perThread, 1);
  return static_cast<int32_t>(std::clamp<size_t>(worthwhile, 1, std::max(policy.threads, 1)));
}

}  // namespace velloro
