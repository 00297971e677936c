#include "point_grid.h"

#include <algorithm>

#include "geometry.h"

namespace velloro {
namespace {

int32_t floorDivide(int32_t value, int32_t divisor) {
  const int32_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

void PointGrid::allocate(int32_t width, int32_t height, int32_t block) {
  block_ = std::max(block, 1);
  cellsAcross_ = std::max(1, (width + block_ - 1) / block_);
  gridRows_ = height / block_ + 1;
  first_.assign(static_cast<size_t>(cellCount()) + 1, 0);
  rows_.clear();
  columns_.clear();
  bounds_.clear();
}

int32_t PointGrid::gridRowOf(int32_t row) const {
  return std::clamp(floorDivide(row, block_), 0, gridRows_ - 1);
}

int32_t PointGrid::gridColumnOf(int32_t column) const {
  return std::clamp(floorDivide(column, block_), 0, cellsAcross_ - 1);
}

void PointGrid::build(const std::vector<int32_t>& rows, const std::vector<int32_t>& columns,
                      int32_t count, int32_t scale) {
  std::vector<int32_t> cellOfPoint(static_cast<size_t>(count) + 1);
  std::vector<int32_t> filled(static_cast<size_t>(cellCount()), 0);
  for (int32_t i = 1; i <= count; ++i) {
    const int32_t cell = cellOfPixel(floorDivide(rows[i], scale), floorDivide(columns[i], scale));
    // A cell has room for 999 points; later ones are not filed.
    cellOfPoint[i] = filled[cell] < kPointsPerGridCell - 1 ? cell : -1;
    if (cellOfPoint[i] >= 0) ++filled[cell];
  }
  for (int32_t cell = 0; cell < cellCount(); ++cell) first_[cell + 1] = first_[cell] + filled[cell];
  rows_.assign(static_cast<size_t>(first_.back()), 0);
  columns_.assign(rows_.size(), 0);
  std::fill(filled.begin(), filled.end(), 0);
  bounds_.assign(static_cast<size_t>(cellCount()), CellBounds{});
  for (int32_t i = 1; i <= count; ++i) {
    const int32_t cell = cellOfPoint[i];
    if (cell < 0) continue;
    const int32_t at = first_[cell] + filled[cell]++;
    rows_[at] = rows[i];
    columns_[at] = columns[i];
    CellBounds& b = bounds_[static_cast<size_t>(cell)];
    b.minRow = std::min(b.minRow, rows[i]);
    b.maxRow = std::max(b.maxRow, rows[i]);
    b.minColumn = std::min(b.minColumn, columns[i]);
    b.maxColumn = std::max(b.maxColumn, columns[i]);
  }
}

bool PointGrid::holdsPoint(int64_t identifier) const {
  if (identifier < 0 || identifier / kPointsPerGridCell >= cellCount()) return false;
  const int64_t slot = identifier % kPointsPerGridCell;
  return slot >= 1 && slot <= count(static_cast<int32_t>(identifier / kPointsPerGridCell));
}

int32_t PointGrid::indexOf(int64_t identifier) const {
  return first_[identifier / kPointsPerGridCell] +
         static_cast<int32_t>(identifier % kPointsPerGridCell) - 1;
}

int32_t PointGrid::rowAt(int64_t identifier) const {
  if (holdsPoint(identifier)) return rows_[indexOf(identifier)];
  const bool isCountEntry = identifier >= 0 && identifier % kPointsPerGridCell == 0 &&
                            identifier / kPointsPerGridCell < cellCount();
  return isCountEntry ? count(static_cast<int32_t>(identifier / kPointsPerGridCell)) : 0;
}

int32_t PointGrid::columnAt(int64_t identifier) const {
  return holdsPoint(identifier) ? columns_[indexOf(identifier)] : 0;
}

void buildPointGrid(Geometry& g) {
  g.grid.build(g.boundaryRows, g.boundaryColumns, g.pointCount, g.scale);
}

void setProcessedRegion(Geometry& g, int32_t layerSlot) {
  const int32_t margin = 32 * g.density;
  Region region;
  if (layerSlot == 1) {
    region = {1, g.height, 0, g.width - 3};
  } else {
    region = {g.box.minRow - margin, g.box.maxRow + margin, g.box.minColumn - margin,
              g.box.maxColumn + margin};
  }
  // The region never reaches outside the mask, whatever margin the caller left.
  region.startRow = std::clamp(region.startRow, 0, g.height);
  region.endRow = std::clamp(region.endRow, region.startRow, g.height);
  region.startColumn = std::clamp(region.startColumn, 0, g.width);
  region.endColumn = std::clamp(region.endColumn, region.startColumn, g.width);
  g.region = region;
}

}  // namespace velloro
