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

}  // namespace velloro
