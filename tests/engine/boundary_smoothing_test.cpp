#include <gtest/gtest.h>

#include <cmath>

#include "render_fixture.h"

namespace velloro::test {
namespace {

Render smoothedRender(Picture& mask, int32_t smoothingSize) {
  Render render = scannedRender(mask, {.smoothingSize = smoothingSize});
  smoothBoundary(render.geometry);
  return render;
}

TEST(BoundarySmoothing, PointsOnAStraightEdgeStayWhereTheyAre) {
  for (int32_t size : {50, 150, 250}) {
    Picture mask = rectangleMask(80, 60, 10, 10, 40, 60);
    Render original = scannedRender(mask, {.smoothingSize = size});
    const auto before = boundaryPoints(original.geometry);
    Picture copy = mask;
    Render render = smoothedRender(copy, size);
    const int32_t scale = render.geometry.scale;
    const auto after = boundaryPoints(render.geometry);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
      const auto [row, column] = before[i];
      const bool nearCorner = (row < 16 || row > 35) && (column < 16 || column > 55);
      const bool onVerticalEdgeMiddle = (column == 9 || column == 61) && row > 15 && row < 36;
      const bool onHorizontalEdgeMiddle = (row == 9 || row == 41) && column > 15 && column < 56;
      if (nearCorner || !(onVerticalEdgeMiddle || onHorizontalEdgeMiddle)) continue;
      EXPECT_EQ(after[i], (std::pair{row * scale, column * scale}))
          << "size " << size << " point " << i;
    }
  }
}

TEST(BoundarySmoothing, NoPointMovesFartherThanTheLimit) {
  Picture mask(60, 60);
  for (int32_t r = 5; r < 55; ++r)
    for (int32_t c = 5; c < 55; ++c)
      if ((r - 30) * (r - 30) + (c - 30) * (c - 30) < 400 && (r + c) % 7 != 0) mask.setDark(r, c);
  Render original = scannedRender(mask);
  const auto before = boundaryPoints(original.geometry);
  Render render = smoothedRender(mask, 75);
  const auto after = boundaryPoints(render.geometry);
  const double scale = render.geometry.scale;
  for (size_t i = 0; i < before.size(); ++i) {
    const double rowMove = after[i].first - scale * before[i].first;
    const double columnMove = after[i].second - scale * before[i].second;
    EXPECT_LE(std::hypot(rowMove, columnMove), 0.45 * scale + 1) << i;
  }
}

TEST(BoundarySmoothing, MoveTowardsTheAverageUsesSinglePrecisionOffset) {
  Picture mask(12, 8);
  mask.setDark(4, 5);
  Render render = smoothedRender(mask, 10);
  const auto points = boundaryPoints(render.geometry);
  ASSERT_EQ(points.size(), 4u);
  // Point (4, 4) walks to (3, 5), (4, 6) and (5, 5), (4, 6): its average lies
  // 1.2 pixels to the right. The move of 0.45 pixel lands just below 223
  // because the offset 1.2 is a float, and truncates to 222.
  EXPECT_EQ(points[0], (std::pair{200, 222}));
}

}  // namespace
}  // namespace velloro::test
