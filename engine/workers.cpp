#include "workers.h"

#include <algorithm>

namespace velloro {

WorkerPolicy WorkerPolicy::forThisMachine() {
  return {static_cast<int32_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u))};
}

int32_t partsFor(const WorkerPolicy& policy, size_t items) {
  const size_t perThread = std::max<size_t>(policy.minimumItemsPerThread, 1);
  const size_t worthwhile = std::max<size_t>(items / perThread, 1);
  return static_cast<int32_t>(std::clamp<size_t>(worthwhile, 1, std::max(policy.threads, 1)));
}

}  // namespace velloro
