#include <gtest/gtest.h>

#include "point_grid.h"

namespace velloro::test {
namespace {

TEST(PointGrid, IdentifiersWithoutAPointReadLikeTheFullTable) {
  PointGrid grid;
  grid.allocate(35, 24);
  grid.build({0, 150, 199}, {0, 200, 460}, 2, 50);
  EXPECT_EQ(grid.rowAt(0), 2);  // the count entry
  EXPECT_EQ(grid.columnAt(0), 0);
  EXPECT_EQ(grid.rowAt(3), 0);
  EXPECT_EQ(grid.rowAt(666), 0);
  EXPECT_EQ(grid.rowAt(5000), 0);
  EXPECT_EQ(grid.rowAt(99000), 0);
  EXPECT_EQ(grid.rowAt(-7), 0);
  EXPECT_EQ(grid.columnAt(1 << 30), 0);
}

TEST(PointGrid, ACellHoldsAtMost999Points) {
  PointGrid grid;
  grid.allocate(20, 20);
  std::vector<int32_t> rows(1201), columns(1201);
  for (int32_t i = 1; i <= 1200; ++i) {
    rows[i] = i % 400;
    columns[i] = i % 450;
  }
  grid.build(rows, columns, 1200, 50);
  EXPECT_EQ(grid.count(0), 999);
  EXPECT_EQ(grid.columnAt(999), 999 % 450);
  EXPECT_EQ(grid.rowAt(1000), 0);  // the next cell's count
}

}  // namespace
}  // namespace velloro::test
