// Buckets the smoothed boundary points per 10 x 10 pixel block so the
// nearest-point search only looks at nearby blocks.
#include <algorithm>

#include "geometry.h"

namespace velloro {
namespace {

constexpr int32_t kBlock = 10;

int32_t floorDivide(int32_t value, int32_t divisor) {
    const int32_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

int32_t PointGrid::cellOfPixel(int32_t row, int32_t column) const {
    const int32_t gridRow = std::clamp(floorDivide(row, kBlock), 0, gridRows - 1);
    const int32_t gridColumn = std::clamp(floorDivide(column, kBlock), 0, cellsAcross - 1);
    return gridRow * cellsAcross + gridColumn;
}

void buildPointGrid(Geometry& g) {
    PointGrid& grid = g.grid;
    for (int32_t i = 1; i <= g.pointCount; ++i) {
        const int32_t row = g.boundaryRows[i];
        const int32_t column = g.boundaryColumns[i];
        const int32_t cell = grid.cellOfPixel(floorDivide(row, g.scale), floorDivide(column, g.scale));
        const size_t base = static_cast<size_t>(cell) * kPointsPerGridCell;
        const int32_t slot = grid.rows[base] + 1;
        if (slot >= kPointsPerGridCell) continue;
        grid.rows[base] = slot;
        grid.rows[base + slot] = row;
        grid.columns[base + slot] = column;
    }
}

void setProcessedRegion(Geometry& g, int32_t layerSlot) {
    constexpr int32_t kMargin = 32;
    Region region;
    if (layerSlot == 1) {
        region = {1, g.height, 0, g.width - 3};
    } else {
        region = {g.box.minRow - kMargin, g.box.maxRow + kMargin,
                  g.box.minColumn - kMargin, g.box.maxColumn + kMargin};
    }
    // The region never reaches outside the mask, whatever margin the caller left.
    region.startRow = std::clamp(region.startRow, 0, g.height);
    region.endRow = std::clamp(region.endRow, region.startRow, g.height);
    region.startColumn = std::clamp(region.startColumn, 0, g.width);
    region.endColumn = std::clamp(region.endColumn, region.startColumn, g.width);
    g.region = region;
}

}  // namespace velloro
