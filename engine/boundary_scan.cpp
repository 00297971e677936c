// Row and column scans that mark the element's boundary pixels and collect
// them as boundary points, in the order later steps rely on.
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

}  // namespace

void scanRows(Render& render) {
  Geometry& g = render.geometry;
  for (int32_t r = 1; r < g.height; ++r) {
    bool inDarkRun = false;
    for (int32_t c = 0; c <= lastScannedColumn(g); ++c) {
      const bool dark = render.isDark(r, c);
      if (dark && !inDarkRun) {
        g.box.minColumn = std::min(g.box.minColumn, c);
        const size_t left = g.cell(r, c - 1);
        if (markBoundary(g, left, g.cell(r, c))) {
          appendPoint(g, r, c - 1);
        } else {
          // A one-pixel bright gap between two dark runs: fill it.
          const int64_t gap = static_cast<int64_t>(r) * g.stride + 3 * (c - 1);
          if (gap >= 0) render.args.mask[gap] = 0;
          g.edgeMark[left] = 0;
          if (g.pointCount > 0) g.pointCount -= 1;
        }
        inDarkRun = true;
      } else if (!dark && inDarkRun) {
        g.box.maxColumn = std::max(g.box.maxColumn, c);
        if (markBoundary(g, g.cell(r, c), g.cell(r, c - 1))) appendPoint(g, r, c);
        inDarkRun = false;
      }
    }
  }
}

void scanColumns(Render& render) {
  Geometry& g = render.geometry;
  for (int32_t c = 0; c <= lastScannedColumn(g); ++c) {
    bool inDarkRun = false;
    for (int32_t r = 1; r < g.height; ++r) {
      const bool dark = render.isDark(r, c);
      if (dark && !inDarkRun) {
        g.box.minRow = std::min(g.box.minRow, r);
        if (markBoundary(g, g.cell(r - 1, c), g.cell(r, c))) appendPoint(g, r - 1, c);
        inDarkRun = true;
      } else if (!dark && inDarkRun) {
        g.box.maxRow = std::max(g.box.maxRow, r);
        if (markBoundary(g, g.cell(r, c), g.cell(r - 1, c))) appendPoint(g, r, c);
        inDarkRun = false;
      }
    }
  }
}

}  // namespace velloro
