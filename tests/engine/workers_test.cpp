#include <gtest/gtest.h>

#include <vector>

#include "workers.h"

namespace velloro::test {
namespace {

TEST(Workers, BalancedPartsShareTheWorkNotTheItems) {
  struct Case {
    std::vector<int64_t> weights;
    int32_t parts;
    std::vector<int64_t> starts;
  };
  const Case cases[] = {
      {{5, 5, 5, 5}, 2, {0, 2, 4}},
      {{9, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 2, {0, 1, 10}},
      {{1, 1, 1, 1, 1, 1, 1, 1, 1, 9}, 2, {0, 9, 10}},
      {{0, 0, 0, 0, 0, 0}, 3, {0, 2, 4, 6}},  // no work known: equal rows
      {{-4, 2, 2}, 2, {0, 2, 3}},             // a negative weight counts as none
      {{7}, 3, {0, 1, 1, 1}},                 // more parts than items: the last ones idle
      {{}, 2, {0, 0, 0}},
      {{3, 3}, 1, {0, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(balancedStarts(c.weights, c.parts), c.starts);
}

}  // namespace
}  // namespace velloro::test
