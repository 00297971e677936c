// Row and column scans that mark the element's boundary pixels and collect
// them as boundary points, in the order later steps rely on.
#include <cstring>
#include <vector>

#include "geometry.h"

namespace velloro {
namespace {

void appendPoint(Geometry& g, int32_t row, int32_t column) {
  const size_t index = static_cast<size_t>(g.pointCount) + 1;
  if (index >= g.boundaryRows.size()) {
    g.boundaryRows.resize(index + 1);
    g.boundaryColumns.resize(index + 1);
  }
  g.pointCount += 1;
  g.boundaryRows[index] = row;
  g.boundaryColumns[index] = column;
}

// Marks a boundary pixel and its inside neighbour unless the pixel is marked
// already; returns whether it did.
bool markBoundary(Geometry& g, size_t boundaryCell, size_t insideCell) {
  if (g.edgeMark[boundaryCell] == 1) return false;
  g.edgeMark[boundaryCell] = 1;
  g.edgeMark[insideCell] = 2;
  return true;
}

int32_t lastScannedColumn(const Geometry& g) { return g.width - kMinimumMaskWidth; }

// The first column from `column` on, up to `last`, whose pixel is dark
// (or bright); last + 1 when there is none.
int32_t nextOfClass(const uint8_t* row, int32_t column, int32_t last, bool dark) {
  while (column <= last && (row[3 * static_cast<size_t>(column)] < 128) != dark) ++column;
  return column;
}

constexpr int32_t kStretch = 8;

// A pixel of a column where the column enters or leaves a dark run.
struct ColumnChange {
  int32_t column;
  int32_t row;
  bool entering;
};

// The changes of every scanned column, column by column and down each
// column. The mask is read row by row, which its memory order makes much
// faster than down the columns; a stable sort by column then restores the
// order of a column-by-column walk.
std::vector<ColumnChange> columnChanges(const Render& render) {
  const Geometry& g = render.geometry;
  const int32_t last = lastScannedColumn(g);
  std::vector<ColumnChange> changes;
  std::vector<int32_t> perColumn(static_cast<size_t>(last) + 2, 0);
  for (int32_t r = 1; r < g.height; ++r) {
    const uint8_t* row = render.args.mask + static_cast<size_t>(r) * g.stride;
    const uint8_t* above = row - g.stride;
    for (int32_t c = 0; c <= last; ++c) {
      const size_t at = 3 * static_cast<size_t>(c);
      // Stretches of pixels with the bytes of the row above change nothing.
      if (r > 1 && last - c >= kStretch && std::memcmp(row + at, above + at, 3 * kStretch) == 0) {
        c += kStretch - 1;
        continue;
      }
      const bool dark = row[at] < 128;
      // The walk down a column starts outside any run at row 1.
      const bool wasDark = r > 1 && above[at] < 128;
      if (dark == wasDark) continue;
      changes.push_back({c, r, dark});
      ++perColumn[static_cast<size_t>(c) + 1];
    }
  }
  for (size_t c = 1; c < perColumn.size(); ++c) perColumn[c] += perColumn[c - 1];
  std::vector<ColumnChange> sorted(changes.size());
  for (const ColumnChange& change : changes)
    sorted[static_cast<size_t>(perColumn[static_cast<size_t>(change.column)]++)] = change;
  return sorted;
}

}  // namespace

void scanRows(Render& render) {
  Geometry& g = render.geometry;
  const int32_t last = lastScannedColumn(g);
  for (int32_t r = 1; r < g.height; ++r) {
    const uint8_t* row = render.args.mask + static_cast<size_t>(r) * g.stride;
    for (int32_t c = nextOfClass(row, 0, last, true); c <= last;
         c = nextOfClass(row, c, last, true)) {
      g.box.minColumn = std::min(g.box.minColumn, c);
      const int32_t runStart = c;
      const size_t left = g.cell(r, c - 1);
      if (markBoundary(g, left, g.cell(r, c))) {
        appendPoint(g, r, c - 1);
      } else {
        // A one-pixel bright gap between two dark runs: fill it.
        const int64_t gap = static_cast<int64_t>(r) * g.stride + 3 * (c - 1);
        if (gap >= 0) {
          render.args.mask[gap] = 0;
          g.filledGaps.push_back(static_cast<size_t>(gap));
        }
        g.edgeMark[left] = 0;
        if (g.pointCount > 0) g.pointCount -= 1;
        g.darkInRow[static_cast<size_t>(r)] += 1;
      }
      c = nextOfClass(row, c + 1, last, false);
      g.darkInRow[static_cast<size_t>(r)] += c - runStart;
      if (c > last) break;
      g.box.maxColumn = std::max(g.box.maxColumn, c);
      if (markBoundary(g, g.cell(r, c), g.cell(r, c - 1))) appendPoint(g, r, c);
    }
  }
}

void fillRecordedGaps(Render& render) {
  for (const size_t gap : render.geometry.filledGaps) render.args.mask[gap] = 0;
}

void scanColumns(Render& render) {
  Geometry& g = render.geometry;
  for (const ColumnChange& change : columnChanges(render)) {
    const int32_t r = change.row;
    const int32_t c = change.column;
    if (change.entering) {
      g.box.minRow = std::min(g.box.minRow, r);
      if (markBoundary(g, g.cell(r - 1, c), g.cell(r, c))) appendPoint(g, r - 1, c);
    } else {
      g.box.maxRow = std::max(g.box.maxRow, r);
      if (markBoundary(g, g.cell(r, c), g.cell(r - 1, c))) appendPoint(g, r, c);
    }
  }
}

}  // namespace velloro
