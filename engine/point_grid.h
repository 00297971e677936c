// Boundary points bucketed per block of 10 x 10 design pixels (10 density
// pixels a side), so the nearest-point search only looks at nearby blocks. A point is known by its
// identifier cell * 1000 + slot (slots from 1, at most 999 per cell).
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace velloro {

inline constexpr int32_t kPointsPerGridCell = 1000;

// The fixed-point rows and columns a cell's points span; an empty cell's
// bounds are inverted.
struct CellBounds {
  int32_t minRow = std::numeric_limits<int32_t>::max();
  int32_t maxRow = std::numeric_limits<int32_t>::min();
  int32_t minColumn = std::numeric_limits<int32_t>::max();
  int32_t maxColumn = std::numeric_limits<int32_t>::min();
};

class PointGrid {
 public:
  // Sizes the grid for a mask: one cell per started block of `block`
  // columns, height / block + 1 rows of cells.
  void allocate(int32_t width, int32_t height, int32_t block);
  // Buckets points 1..count of the fixed-point lists by their pixel.
  void build(const std::vector<int32_t>& rows, const std::vector<int32_t>& columns, int32_t count,
             int32_t scale);

  int32_t block() const { return block_; }  // pixels a side of a cell
  int32_t cellsAcross() const { return cellsAcross_; }
  int32_t gridRows() const { return gridRows_; }
  int32_t cellCount() const { return cellsAcross_ * gridRows_; }
  int32_t count(int32_t cell) const { return first_[cell + 1] - first_[cell]; }
  // Cell of mask pixel (row, column), clamped into the grid.
  int32_t cellOfPixel(int32_t row, int32_t column) const {
    return gridRowOf(row) * cellsAcross_ + gridColumnOf(column);
  }
  // The grid row of a mask row and the grid column of a mask column, clamped.
  int32_t gridRowOf(int32_t row) const;
  int32_t gridColumnOf(int32_t column) const;
  // A cell's points, slot 1 first.
  const int32_t* rowsOf(int32_t cell) const { return rows_.data() + first_[cell]; }
  const int32_t* columnsOf(int32_t cell) const { return columns_.data() + first_[cell]; }
  // Index of a cell's slot 1 into the point arrays.
  int32_t firstOf(int32_t cell) const { return first_[cell]; }
  const int32_t* rows() const { return rows_.data(); }
  const int32_t* columns() const { return columns_.data(); }
  const CellBounds& boundsOf(int32_t cell) const { return bounds_[static_cast<size_t>(cell)]; }

  // Fixed-point row and column filed under an identifier. Like a table of
  // 1000 entries per cell: entry 0 of the rows holds the cell's count and
  // entries without a point hold 0.
  int32_t rowAt(int64_t identifier) const;
  int32_t columnAt(int64_t identifier) const;

 private:
  bool holdsPoint(int64_t identifier) const;
  int32_t indexOf(int64_t identifier) const;

  int32_t block_ = 10;
  int32_t cellsAcross_ = 0;
  int32_t gridRows_ = 0;
  std::vector<int32_t> first_;  // cellCount() + 1 offsets into the point arrays
  std::vector<int32_t> rows_;
  std::vector<int32_t> columns_;
  std::vector<CellBounds> bounds_;
};

}  // namespace velloro
