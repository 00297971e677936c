// Nearest boundary point and squared distance of every pixel of the region.
//
// Each 10 x 10 block searches the grid cells of its fixed 7 x 7 window. The
// result must equal a plain scan of the window in row-major order that keeps
// the first point with the smallest single-precision squared distance. To be
// fast the search visits cells nearest-first, skips cells whose bounding box
// cannot beat the best distance so far and stops once no remaining cell can;
// ties are settled by the point's place in the row-major order, which keeps
// the result identical.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "effect_reach.h"
#include "geometry.h"
#include "workers.h"

namespace velloro {
namespace {

constexpr int32_t kBlock = 10;
constexpr int32_t kWindowReach = 30;
constexpr float kNoPoint = static_cast<float>(kNoPointDistance);

struct CellBounds {
  int32_t minRow = std::numeric_limits<int32_t>::max();
  int32_t maxRow = std::numeric_limits<int32_t>::min();
  int32_t minColumn = std::numeric_limits<int32_t>::max();
  int32_t maxColumn = std::numeric_limits<int32_t>::min();
};

struct WindowCell {
  int32_t rank;        // place in the row-major window order, times 1000
  int32_t identifier;  // grid cell * 1000
  int32_t firstPoint;  // into the block's point arrays
  int32_t pointCount;
  CellBounds bounds;
  int64_t blockDistance;  // squared, from the block centre: the nearest-first order
  double reach;           // no pixel of the block lies closer to the cell's points
};

struct Nearest {
  float best = kNoPoint;
  int32_t rank = std::numeric_limits<int32_t>::max();
  int32_t identifier = 0;
  bool found = false;
  int32_t point = -1;  // into the block's point arrays
};

// Whether every point at least `reach` away rounds to a squared distance
// above `best`; the margin covers the float rounding of squared distances.
bool beyondBest(double reach, float best) {
  return reach > 0 && reach * reach > static_cast<double>(best) * 1.0001 + 1024;
}

int64_t gap(int64_t value, int64_t low, int64_t high) {
  if (value < low) return low - value;
  if (value > high) return value - high;
  return 0;
}

class DistanceSearch {
 public:
  explicit DistanceSearch(Render& render) : render_(render), g_(render.geometry) {
    computeCellBounds();
  }

  // Visits the dark (or the bright) pixels of the region block by block.
  // Only points nearer than `limit` (squared, fixed point; below 0 for none
  // at all) count: a pixel without one finds nothing, as if its window were
  // empty, and so do whole blocks that lie beyond the limit.
  // Rows of blocks firstBlock..endBlock - 1 of the region are visited.
  template <typename Visit>
  void forEachBlockPixel(bool dark, double limit, int64_t firstBlock, int64_t endBlock,
                         Visit visit) {
    const Region& region = g_.region;
    for (int64_t block = firstBlock; block < endBlock; ++block) {
      const int32_t blockRow = region.startRow + static_cast<int32_t>(block) * kBlock;
      for (int32_t blockColumn = region.startColumn; blockColumn < region.endColumn;
           blockColumn += kBlock) {
        const int32_t lastRow = std::min(blockRow + kBlock, region.endRow);
        const int32_t lastColumn = std::min(blockColumn + kBlock, region.endColumn);
        if (!holdsClass(dark, blockRow, lastRow, blockColumn, lastColumn)) continue;
        prepareWindow(blockRow, blockColumn);
        const float bound = static_cast<float>(std::min(limit, static_cast<double>(kNoPoint)));
        const bool beyondLimit =
            limit < 0 || window_.empty() ||
            (window_.front().reach > 0 && window_.front().reach * window_.front().reach > limit);
        for (int32_t r = blockRow; r < lastRow; ++r) {
          for (int32_t c = blockColumn; c < lastColumn; ++c) {
            if (render_.isDark(r, c) != dark) continue;
            visit(r, c, beyondLimit ? Nearest{} : search(r, c, bound));
          }
        }
      }
    }
  }

  // Stores a search result; returns the stored squared distance. A pixel
  // without a point takes the identifier found last; before this search
  // found any, that is not known here, and the pixel is listed instead.
  float store(int32_t r, int32_t c, const Nearest& nearest) {
    if (nearest.found) {
      lastIdentifier_ = nearest.identifier;
      foundAny_ = true;
    }
    const size_t cell = g_.cell(r, c);
    const float best = nearest.found ? nearest.best : kNoPoint;
    g_.distance[cell] = static_cast<uint32_t>(best);
    if (g_.nearest.empty()) return best;
    if (foundAny_) {
      g_.nearest[cell] = lastIdentifier_;
    } else {
      leadingMisses_.push_back(cell);
    }
    return best;
  }

  bool foundAny() const { return foundAny_; }
  int32_t lastIdentifier() const { return lastIdentifier_; }
  const std::vector<size_t>& leadingMisses() const { return leadingMisses_; }

 private:
  bool holdsClass(bool dark, int32_t firstRow, int32_t lastRow, int32_t firstColumn,
                  int32_t lastColumn) const {
    for (int32_t r = firstRow; r < lastRow; ++r)
      for (int32_t c = firstColumn; c < lastColumn; ++c)
        if (render_.isDark(r, c) == dark) return true;
    return false;
  }

  void computeCellBounds() {
    const PointGrid& grid = g_.grid;
    bounds_.assign(static_cast<size_t>(grid.cellCount()), CellBounds{});
    for (int32_t cell = 0; cell < grid.cellCount(); ++cell) {
      CellBounds& b = bounds_[static_cast<size_t>(cell)];
      const int32_t* rows = grid.rowsOf(cell);
      const int32_t* columns = grid.columnsOf(cell);
      for (int32_t p = 0; p < grid.count(cell); ++p) {
        b.minRow = std::min(b.minRow, rows[p]);
        b.maxRow = std::max(b.maxRow, rows[p]);
        b.minColumn = std::min(b.minColumn, columns[p]);
        b.maxColumn = std::max(b.maxColumn, columns[p]);
      }
    }
    window_.reserve(49);
    rows_.reserve(49 * 64);
    columns_.reserve(49 * 64);
  }

  void prepareWindow(int32_t blockRow, int32_t blockColumn) {
    const Region& region = g_.region;
    const PointGrid& grid = g_.grid;
    const int64_t scale = g_.scale;
    // Block centre in fixed point, for the nearest-first order.
    const int64_t centreRow = (2 * static_cast<int64_t>(blockRow) + kBlock - 1) * scale / 2;
    const int64_t centreColumn = (2 * static_cast<int64_t>(blockColumn) + kBlock - 1) * scale / 2;
    const double halfDiagonal =
        (kBlock - 1) / 2.0 * static_cast<double>(scale) * std::numbers::sqrt2;
    window_.clear();
    rows_.clear();
    columns_.clear();
    ranks_.clear();
    identifiers_.clear();
    warmStart_ = -1;
    int32_t place = 0;
    for (int32_t wr = blockRow - kWindowReach; wr <= blockRow + kWindowReach; wr += kBlock) {
      for (int32_t wc = blockColumn - kWindowReach; wc <= blockColumn + kWindowReach;
           wc += kBlock) {
        const bool inside = wr >= region.startRow && wr < region.endRow &&
                            wc >= region.startColumn && wc < region.endColumn;
        const int32_t rank = place++ * kPointsPerGridCell;
        if (!inside) continue;
        const int32_t cell = grid.cellOfPixel(wr, wc);
        const int32_t count = grid.count(cell);
        if (count == 0) continue;
        const CellBounds& b = bounds_[static_cast<size_t>(cell)];
        const int64_t dr = gap(centreRow, b.minRow, b.maxRow);
        const int64_t dc = gap(centreColumn, b.minColumn, b.maxColumn);
        const int64_t blockDistance = dr * dr + dc * dc;
        const double reach = std::sqrt(static_cast<double>(blockDistance)) - halfDiagonal;
        window_.push_back({rank, cell * kPointsPerGridCell, static_cast<int32_t>(rows_.size()),
                           count, b, blockDistance, reach});
        rows_.insert(rows_.end(), grid.rowsOf(cell), grid.rowsOf(cell) + count);
        columns_.insert(columns_.end(), grid.columnsOf(cell), grid.columnsOf(cell) + count);
        for (int32_t slot = 1; slot <= count; ++slot) {
          ranks_.push_back(rank + slot);
          identifiers_.push_back(cell * kPointsPerGridCell + slot);
        }
      }
    }
    std::stable_sort(window_.begin(), window_.end(), [](const WindowCell& a, const WindowCell& b) {
      return a.blockDistance < b.blockDistance;
    });
  }

  // Starts from the point nearest to the previous pixel of the block, which
  // is usually nearest here too, so most cells are ruled out at once.
  // Only points nearer than `bound` count; none nearer is none found.
  Nearest search(int32_t r, int32_t c, float bound) {
    const int64_t pixelRow = static_cast<int64_t>(g_.scale) * r;
    const int64_t pixelColumn = static_cast<int64_t>(g_.scale) * c;
    Nearest nearest;
    nearest.best = bound;
    int64_t within = largestNotAbove(bound);
    if (warmStart_ >= 0) consider(nearest, within, warmStart_, pixelRow, pixelColumn);
    for (const WindowCell& cell : window_) {
      if (beyondBest(cell.reach, nearest.best)) break;
      const int64_t dr = gap(pixelRow, cell.bounds.minRow, cell.bounds.maxRow);
      const int64_t dc = gap(pixelColumn, cell.bounds.minColumn, cell.bounds.maxColumn);
      if (static_cast<float>(dr * dr + dc * dc) > nearest.best) continue;
      for (int32_t p = cell.firstPoint; p < cell.firstPoint + cell.pointCount; ++p) {
        consider(nearest, within, p, pixelRow, pixelColumn);
      }
    }
    if (nearest.found) warmStart_ = nearest.point;
    return nearest;
  }

  // Points are compared by their exact squared distance against `within`,
  // the largest one that rounds to no more than the best single-precision
  // distance so far: the same points pass as when each is rounded first,
  // without the rounding of the many that fail. `within` follows the best.
  void consider(Nearest& nearest, int64_t& within, int32_t point, int64_t pixelRow,
                int64_t pixelColumn) const {
    const size_t index = static_cast<size_t>(point);
    const int64_t rowGap = pixelRow - rows_[index];
    const int64_t columnGap = pixelColumn - columns_[index];
    const int64_t exact = columnGap * columnGap + rowGap * rowGap;
    if (exact > within) return;
    const float squared = static_cast<float>(exact);
    if (squared < nearest.best || (nearest.found && ranks_[index] < nearest.rank)) {
      if (squared < nearest.best) within = largestNotAbove(squared);
      nearest = {squared, ranks_[index], identifiers_[index], true, point};
    }
  }

  // The largest whole number that rounds to a float no greater than `limit`
  // (none below zero): rounding is monotonic, so it starts from the whole
  // part of the midpoint to the next float and steps at most a few times.
  static int64_t largestNotAbove(float limit) {
    if (!(limit >= 0)) return -1;
    // The next float up: the bits of a finite float above zero count up.
    const double next = std::bit_cast<float>(std::bit_cast<uint32_t>(limit) + 1);
    int64_t whole = static_cast<int64_t>((static_cast<double>(limit) + next) / 2);
    while (static_cast<float>(whole) > limit) --whole;
    while (static_cast<float>(whole + 1) <= limit) ++whole;
    return whole;
  }

  Render& render_;
  Geometry& g_;
  std::vector<CellBounds> bounds_;
  std::vector<WindowCell> window_;
  std::vector<int32_t> rows_;
  std::vector<int32_t> columns_;
  std::vector<int32_t> ranks_;
  std::vector<int32_t> identifiers_;
  int32_t warmStart_ = -1;
  int32_t lastIdentifier_ = 0;
  bool foundAny_ = false;
  std::vector<size_t> leadingMisses_;
};

struct PartResult {
  float maximum = 0;  // largest squared distance below the no-point value
  bool foundAny = false;
  int32_t lastIdentifier = 0;
  std::vector<size_t> leadingMisses;
};

// One walk over the pixels of a class, its rows of blocks split between the
// workers. Afterwards the pixels a part visited before its first find take
// the identifier found last in the parts before, as in one walk; returns
// the largest squared distance found.
float searchClass(Render& render, bool dark, double limit, int32_t& lastIdentifier) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  const int64_t rows = std::max(region.endRow - region.startRow, 0);
  const int64_t columns = std::max(region.endColumn - region.startColumn, 0);
  const int64_t blockRows = (rows + kBlock - 1) / kBlock;
  const int32_t parts = static_cast<int32_t>(std::min<int64_t>(
      partsFor(static_cast<size_t>(rows * columns)), std::max<int64_t>(blockRows, 1)));
  std::vector<PartResult> results(static_cast<size_t>(parts));
  runParts(parts, [&](int32_t part) {
    DistanceSearch search(render);
    PartResult& result = results[static_cast<size_t>(part)];
    search.forEachBlockPixel(dark, limit, partStart(blockRows, part, parts),
                             partStart(blockRows, part + 1, parts),
                             [&](int32_t r, int32_t c, const Nearest& nearest) {
                               const float best = search.store(r, c, nearest);
                               if (best > result.maximum && best < kNoPoint) result.maximum = best;
                             });
    result.foundAny = search.foundAny();
    result.lastIdentifier = search.lastIdentifier();
    result.leadingMisses = search.leadingMisses();
  });
  float maximum = 0;
  for (const PartResult& result : results) {
    for (size_t cell : result.leadingMisses) g.nearest[cell] = lastIdentifier;
    if (result.foundAny) lastIdentifier = result.lastIdentifier;
    maximum = std::max(maximum, result.maximum);
  }
  return maximum;
}

}  // namespace

void computeDistances(Render& render) {
  Geometry& g = render.geometry;
  int32_t lastIdentifier = 0;
  const double everywhere = std::numeric_limits<double>::infinity();
  const float runningMaximum = searchClass(render, true, everywhere, lastIdentifier);
  const double cap = 1000.0 * g.scale * g.scale;
  g.maxSquaredDistance = std::min(static_cast<double>(runningMaximum), cap);

  // Background beyond the outer effect's reach keeps the no-point distance:
  // nothing reads it.
  if (isOuterEffect(render.args.effectType)) {
    const double reach = outerEffectReach(render.args) * g.scale;
    searchClass(render, false, reach < 0 ? -1.0 : reach * reach, lastIdentifier);
  }
}

}  // namespace velloro
