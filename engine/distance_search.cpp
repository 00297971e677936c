// Nearest boundary point and squared distance of every pixel of the region.
//
// Each block of the grid's size (10 x 10 design pixels) searches the grid
// cells of its fixed 7 x 7 window. The
// result must equal a plain scan of the window in row-major order that keeps
// the first point with the smallest single-precision squared distance. To be
// fast the search visits cells nearest-first, skips cells whose bounding box
// cannot beat the best distance so far and stops once no remaining cell can;
// ties are settled by the point's place in the row-major order, which keeps
// the result identical.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "background_search.h"
#include "effect_reach.h"
#include "geometry.h"
#include "workers.h"

namespace velloro {
namespace {

constexpr int32_t kWindowBlocks = 3;  // blocks the window reaches each way
constexpr int32_t kWindowSteps = 2 * kWindowBlocks + 1;
constexpr float kNoPoint = static_cast<float>(kNoPointDistance);

struct WindowCell {
  int32_t rank;        // place in the row-major window order, times 1000
  int32_t identifier;  // grid cell * 1000
  int32_t firstPoint;  // into the grid's point arrays
  int32_t pointCount;
  CellBounds bounds;
  int64_t blockDistance;  // squared, from the block centre: the nearest-first order
  // Squared distance within which no pixel of the block lies to the cell's
  // points; -1 when a pixel may lie among them.
  double reachSquared;
};

struct Nearest {
  float best = kNoPoint;
  int32_t rank = std::numeric_limits<int32_t>::max();
  int32_t identifier = 0;
  bool found = false;
  int32_t point = -1;  // into the grid's point arrays
  int32_t cell = -1;   // into the window
};

// Whole numbers below this are floats: they round to themselves.
constexpr int64_t kExactFloats = int64_t{1} << 24;

// The largest whole number that rounds to a float no greater than `limit`
// (none below zero). Below 2^24 every whole number is a float, so it is the
// whole part of `limit`. Above, floats are whole and a step of 2^k apart:
// the numbers up to half a step above round down to `limit`, the one at
// half a step only when ties to even pick `limit`, whose last bit is 0.
int64_t largestNotAbove(float limit) {
  if (!(limit >= 0)) return -1;
  const uint32_t bits = std::bit_cast<uint32_t>(limit);
  const int32_t exponent = static_cast<int32_t>(bits >> 23) - 127;
  if (exponent >= 62) return std::numeric_limits<int64_t>::max();
  const int64_t whole = static_cast<int64_t>(limit);
  if (exponent < 24) return whole;
  return whole + (int64_t{1} << (exponent - 24)) - static_cast<int64_t>(bits & 1);
}

// What the best single-precision distance so far rules out: `within` is
// the largest exact squared distance that rounds to no more than it (so
// the same points pass as when each is rounded first, without the
// rounding of the many that fail), `reach` the cell reach beyond which
// every point rounds to a larger distance; its margin covers the float
// rounding of squared distances.
struct Cutoffs {
  explicit Cutoffs(float distance) : Cutoffs(distance, largestNotAbove(distance)) {}
  // From a point's exact squared distance: below 2^24 that is its own float.
  Cutoffs(float distance, int64_t exact)
      : best(distance),
        within(exact < kExactFloats ? exact : largestNotAbove(distance)),
        reach(static_cast<double>(distance) * 1.0001 + 1024) {}
  float best;
  int64_t within;
  double reach;
};

// How far `value` lies outside low..high (low <= high). Written as one
// maximum so it compiles to conditional moves: which side a pixel lies on
// changes from cell to cell and defeats branch prediction.
int64_t gap(int64_t value, int64_t low, int64_t high) {
  return std::max({low - value, value - high, int64_t{0}});
}

class DistanceSearch {
 public:
  // Searches the points the pixels of a class find.
  DistanceSearch(Render& render, bool dark)
      : render_(render),
        g_(render.geometry),
        grid_(g_.gridOf(dark)),
        rows_(grid_.rows()),
        columns_(grid_.columns()),
        block_(grid_.block()) {
    window_.reserve(kWindowSteps * kWindowSteps);
  }

  // Visits the dark (or the bright) pixels of the region block by block.
  // Only points nearer than `limit` (squared, fixed point; below 0 for none
  // at all) count: a pixel without one finds nothing, as if its window were
  // empty, and so do whole blocks that lie beyond the limit.
  // Rows of blocks firstBlock..endBlock - 1 of the region are visited.
  // Each block visited is first shown to `visitBlock`.
  template <typename VisitBlock, typename Visit>
  void forEachBlockPixel(bool dark, double limit, int64_t firstBlock, int64_t endBlock,
                         VisitBlock visitBlock, Visit visit) {
    const Region& region = g_.region;
    const Cutoffs start(static_cast<float>(std::min(limit, static_cast<double>(kNoPoint))));
    for (int64_t block = firstBlock; block < endBlock; ++block) {
      const int32_t blockRow = region.startRow + static_cast<int32_t>(block) * block_;
      for (int32_t blockColumn = region.startColumn; blockColumn < region.endColumn;
           blockColumn += block_) {
        render_.workers.stopPoint();
        const int32_t lastRow = std::min(blockRow + block_, region.endRow);
        const int32_t lastColumn = std::min(blockColumn + block_, region.endColumn);
        if (!holdsClass(dark, blockRow, lastRow, blockColumn, lastColumn)) continue;
        prepareWindow(blockRow, blockColumn);
        visitBlock(SearchedBlock{blockRow, blockColumn, window_.empty(),
                                 window_.empty() ? 0 : window_.front().reachSquared, 0});
        const bool beyondLimit =
            limit < 0 || window_.empty() || window_.front().reachSquared > limit;
        for (int32_t r = blockRow; r < lastRow; ++r) {
          for (int32_t c = blockColumn; c < lastColumn; ++c) {
            if (render_.isDark(r, c) != dark) continue;
            visit(r, c, beyondLimit ? Nearest{} : search(r, c, start));
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

  void prepareWindow(int32_t blockRow, int32_t blockColumn) {
    const Region& region = g_.region;
    const PointGrid& grid = grid_;
    const int64_t scale = g_.scale;
    // Block centre in fixed point, for the nearest-first order.
    const int64_t centreRow = (2 * static_cast<int64_t>(blockRow) + block_ - 1) * scale / 2;
    const int64_t centreColumn = (2 * static_cast<int64_t>(blockColumn) + block_ - 1) * scale / 2;
    const double halfDiagonal =
        (block_ - 1) / 2.0 * static_cast<double>(scale) * std::numbers::sqrt2;
    window_.clear();
    warmStart_ = -1;
    // The grid row (column) of each step of the window, -1 outside the region.
    std::array<int32_t, kWindowSteps> gridRows;
    std::array<int32_t, kWindowSteps> gridColumns;
    for (int32_t step = 0; step < kWindowSteps; ++step) {
      const int32_t wr = blockRow + (step - kWindowBlocks) * block_;
      const int32_t wc = blockColumn + (step - kWindowBlocks) * block_;
      gridRows[step] = wr >= region.startRow && wr < region.endRow ? grid.gridRowOf(wr) : -1;
      gridColumns[step] =
          wc >= region.startColumn && wc < region.endColumn ? grid.gridColumnOf(wc) : -1;
    }
    int32_t place = 0;
    for (const int32_t gridRow : gridRows) {
      for (const int32_t gridColumn : gridColumns) {
        const int32_t rank = place++ * kPointsPerGridCell;
        if (gridRow < 0 || gridColumn < 0) continue;
        const int32_t cell = gridRow * grid.cellsAcross() + gridColumn;
        const int32_t count = grid.count(cell);
        if (count == 0) continue;
        const CellBounds& b = grid.boundsOf(cell);
        const int64_t dr = gap(centreRow, b.minRow, b.maxRow);
        const int64_t dc = gap(centreColumn, b.minColumn, b.maxColumn);
        const int64_t blockDistance = dr * dr + dc * dc;
        const double reach = std::sqrt(static_cast<double>(blockDistance)) - halfDiagonal;
        const double reachSquared = reach > 0 ? reach * reach : -1;
        window_.push_back({rank, cell * kPointsPerGridCell, grid.firstOf(cell), count, b,
                           blockDistance, reachSquared});
      }
    }
    sortNearestFirst();
  }

  // A stable insertion sort: the window holds at most 49 cells, mostly
  // nearly in order, and nothing is allocated.
  void sortNearestFirst() {
    for (size_t i = 1; i < window_.size(); ++i) {
      const WindowCell moved = window_[i];
      size_t at = i;
      for (; at > 0 && window_[at - 1].blockDistance > moved.blockDistance; --at)
        window_[at] = window_[at - 1];
      window_[at] = moved;
    }
  }

  // Starts from the point nearest to the previous pixel of the block, which
  // is usually nearest here too, so most cells are ruled out at once.
  // Only points nearer than the `start` distance count; none nearer is
  // none found.
  Nearest search(int32_t r, int32_t c, const Cutoffs& start) {
    const int64_t pixelRow = static_cast<int64_t>(g_.scale) * r;
    const int64_t pixelColumn = static_cast<int64_t>(g_.scale) * c;
    Nearest nearest;
    nearest.best = start.best;
    Cutoffs cutoffs = start;
    if (warmStart_ >= 0) {
      const int64_t rowGap = pixelRow - rows_[warmStart_];
      const int64_t columnGap = pixelColumn - columns_[warmStart_];
      const int64_t exact = columnGap * columnGap + rowGap * rowGap;
      if (exact <= cutoffs.within) take(nearest, cutoffs, warmCell_, warmStart_, exact);
    }
    const int32_t cells = static_cast<int32_t>(window_.size());
    for (int32_t w = 0; w < cells; ++w) {
      const WindowCell& cell = window_[static_cast<size_t>(w)];
      if (cell.reachSquared > cutoffs.reach) break;
      const int64_t dr = gap(pixelRow, cell.bounds.minRow, cell.bounds.maxRow);
      const int64_t dc = gap(pixelColumn, cell.bounds.minColumn, cell.bounds.maxColumn);
      if (dr * dr + dc * dc > cutoffs.within) continue;
      const CellNearest inCell = nearestInCell(pixelRow, pixelColumn, cell);
      if (inCell.exact > cutoffs.within) continue;
      if (inCell.exact < kExactFloats) {
        take(nearest, cutoffs, w, cell.firstPoint + inCell.slot, inCell.exact);
      } else {
        takeEach(nearest, cutoffs, w, pixelRow, pixelColumn);
      }
    }
    if (nearest.found) {
      warmStart_ = nearest.point;
      warmCell_ = nearest.cell;
    }
    return nearest;
  }

  struct CellNearest {
    int64_t exact;  // squared distance
    int32_t slot;   // the first point at it, from 0
  };

  // The cell's nearest point by exact distance. The loop keeps no branch
  // that depends on the points, so it runs without mispredictions; below
  // 2^24 the exact distance is its own float, so that point is also the
  // one the rounded distances and the window order pick.
  CellNearest nearestInCell(int64_t pixelRow, int64_t pixelColumn, const WindowCell& cell) const {
    const int32_t* rows = rows_ + cell.firstPoint;
    const int32_t* columns = columns_ + cell.firstPoint;
    CellNearest found{std::numeric_limits<int64_t>::max(), 0};
    for (int32_t i = 0; i < cell.pointCount; ++i) {
      const int64_t rowGap = pixelRow - rows[i];
      const int64_t columnGap = pixelColumn - columns[i];
      const int64_t exact = columnGap * columnGap + rowGap * rowGap;
      const bool nearer = exact < found.exact;
      found.exact = nearer ? exact : found.exact;
      found.slot = nearer ? i : found.slot;
    }
    return found;
  }

  // Offers every point of window cell `w` in turn: far points, whose
  // distances round, may tie with nearer ones.
  void takeEach(Nearest& nearest, Cutoffs& cutoffs, int32_t w, int64_t pixelRow,
                int64_t pixelColumn) const {
    const WindowCell& cell = window_[static_cast<size_t>(w)];
    const int32_t* rows = rows_ + cell.firstPoint;
    const int32_t* columns = columns_ + cell.firstPoint;
    for (int32_t i = 0; i < cell.pointCount; ++i) {
      const int64_t rowGap = pixelRow - rows[i];
      const int64_t columnGap = pixelColumn - columns[i];
      const int64_t exact = columnGap * columnGap + rowGap * rowGap;
      if (exact <= cutoffs.within) take(nearest, cutoffs, w, cell.firstPoint + i, exact);
    }
  }

  // A point within the cutoffs, at exact squared distance `exact`, becomes
  // the nearest if it rounds nearer, or as near and earlier in the window
  // order. `cell` is the point's place in the window.
  void take(Nearest& nearest, Cutoffs& cutoffs, int32_t cell, int32_t point, int64_t exact) const {
    const float squared = static_cast<float>(exact);
    const WindowCell& from = window_[static_cast<size_t>(cell)];
    const int32_t slot = point - from.firstPoint + 1;
    const int32_t rank = from.rank + slot;
    if (squared < nearest.best || (nearest.found && rank < nearest.rank)) {
      if (squared < nearest.best) cutoffs = Cutoffs(squared, exact);
      nearest = {squared, rank, from.identifier + slot, true, point, cell};
    }
  }

  Render& render_;
  Geometry& g_;
  const PointGrid& grid_;
  const int32_t* rows_;
  const int32_t* columns_;
  int32_t block_;  // pixels a side of a block and of a grid cell
  std::vector<WindowCell> window_;
  int32_t warmStart_ = -1;  // the point found last in this block, into the grid's arrays
  int32_t warmCell_ = -1;   // its place in the window
  int32_t lastIdentifier_ = 0;
  bool foundAny_ = false;
  std::vector<size_t> leadingMisses_;
};

struct PartResult {
  // Largest squared distance below the no-point value, of the pixels that
  // may be the element's deepest.
  float maximum = 0;
  bool foundAny = false;
  int32_t lastIdentifier = 0;
  std::vector<size_t> leadingMisses;
};

// About how many pixels of the class each row of blocks of the region holds.
std::vector<int64_t> pixelsPerBlockRow(const Geometry& g, bool dark, int64_t blockRows,
                                       int64_t columns) {
  std::vector<int64_t> pixels(static_cast<size_t>(blockRows), 0);
  for (int32_t r = std::max(g.region.startRow, 0);
       r < std::min<int64_t>(g.region.endRow, static_cast<int64_t>(g.darkInRow.size())); ++r) {
    const int64_t inside = g.darkInRow[static_cast<size_t>(r)];
    pixels[static_cast<size_t>((r - g.region.startRow) / g.grid.block())] +=
        dark ? inside : std::max<int64_t>(columns - inside, 0);
  }
  return pixels;
}

// The walk over rows of blocks firstBlock..endBlock - 1 of the region.
PartResult searchBlockRows(Render& render, bool dark, double limit, int64_t firstBlock,
                           int64_t endBlock) {
  DistanceSearch search(render, dark);
  PartResult result;
  search.forEachBlockPixel(
      dark, limit, firstBlock, endBlock, [](const SearchedBlock&) {},
      [&](int32_t r, int32_t c, const Nearest& nearest) {
        const float best = search.store(r, c, nearest);
        if (best > result.maximum && best < kNoPoint && render.geometry.mayBeDeepest(r, c))
          result.maximum = best;
      });
  result.foundAny = search.foundAny();
  result.lastIdentifier = search.lastIdentifier();
  result.leadingMisses = search.leadingMisses();
  return result;
}

// How the rows of blocks of the region are split between the workers for
// a walk over the pixels of a class: the threads, and where each part starts.
struct BlockRowParts {
  int32_t threads = 1;
  std::vector<int64_t> starts;  // and after them the count of rows of blocks

  int32_t count() const { return static_cast<int32_t>(starts.size()) - 1; }
  int64_t first(int32_t part) const { return starts[static_cast<size_t>(part)]; }
  int64_t end(int32_t part) const { return starts[static_cast<size_t>(part) + 1]; }
};

BlockRowParts blockRowParts(const Render& render, bool dark) {
  const Geometry& g = render.geometry;
  const Region& region = g.region;
  const int64_t rows = std::max(region.endRow - region.startRow, 0);
  const int64_t columns = std::max(region.endColumn - region.startColumn, 0);
  const int64_t blockRows = (rows + g.grid.block() - 1) / g.grid.block();
  BlockRowParts split;
  split.threads = partsFor(render.workers, static_cast<size_t>(rows * columns));
  const int32_t parts = static_cast<int32_t>(
      std::min<int64_t>(piecesFor(split.threads), std::max<int64_t>(blockRows, 1)));
  split.starts = balancedStarts(pixelsPerBlockRow(g, dark, blockRows, columns), parts);
  return split;
}

// One walk over the pixels of a class, its rows of blocks split between the
// workers. Afterwards the pixels a part visited before its first find take
// the identifier found last in the parts before, as in one walk; returns
// the largest squared distance found.
float searchClass(Render& render, bool dark, double limit, int32_t& lastIdentifier) {
  Geometry& g = render.geometry;
  const BlockRowParts split = blockRowParts(render, dark);
  std::vector<PartResult> results(static_cast<size_t>(split.count()));
  runPieces(split.count(), split.threads, [&](int32_t part) {
    results[static_cast<size_t>(part)] =
        searchBlockRows(render, dark, limit, split.first(part), split.end(part));
  });
  float maximum = 0;
  for (const PartResult& result : results) {
    for (size_t cell : result.leadingMisses) g.nearest[cell] = lastIdentifier;
    if (result.foundAny) lastIdentifier = result.lastIdentifier;
    maximum = std::max(maximum, result.maximum);
  }
  return maximum;
}

// The background of rows of blocks firstBlock..endBlock - 1 searched
// without limit, each result kept in the order of the walk.
SearchedPart searchBackgroundRows(Render& render, int64_t firstBlock, int64_t endBlock) {
  DistanceSearch search(render, false);
  SearchedPart part;
  search.forEachBlockPixel(
      false, std::numeric_limits<double>::infinity(), firstBlock, endBlock,
      [&](const SearchedBlock& block) { part.blocks.push_back(block); },
      [&](int32_t r, int32_t c, const Nearest& nearest) {
        SearchedBlock& block = part.blocks.back();
        part.pixels.push_back({static_cast<uint32_t>(nearest.found ? nearest.best : kNoPoint),
                               nearest.identifier, static_cast<uint8_t>(r - block.row),
                               static_cast<uint8_t>(c - block.column)});
        ++block.pixelCount;
      });
  return part;
}

}  // namespace

void searchBackgroundEverywhere(Render& render) {
  BackgroundSearch& kept = render.geometry.background;
  const BlockRowParts split = blockRowParts(render, false);
  kept.parts.resize(static_cast<size_t>(split.count()));
  runPieces(split.count(), split.threads, [&](int32_t part) {
    kept.parts[static_cast<size_t>(part)] =
        searchBackgroundRows(render, split.first(part), split.end(part));
  });
  kept.kept = true;
}

void computeDistances(Render& render) {
  searchElement(render);
  searchBackground(render);
}

void searchElement(Render& render) {
  Geometry& g = render.geometry;
  int32_t lastIdentifier = 0;
  const double everywhere = std::numeric_limits<double>::infinity();
  const float runningMaximum = searchClass(render, true, everywhere, lastIdentifier);
  const double cap = 1000.0 * g.scale * g.scale * g.density * g.density;
  g.maxSquaredDistance = std::min(static_cast<double>(runningMaximum), cap);
  g.elementLastIdentifier = lastIdentifier;
}

// Background beyond the outer effect's reach keeps the no-point distance:
// nothing reads it. Every background pixel of the region is written, so a
// search to another reach leaves nothing of the one before.
void searchBackground(Render& render) {
  if (!isOuterEffect(render.args.effectType)) return;
  int32_t lastIdentifier = render.geometry.elementLastIdentifier;
  searchClass(render, false, backgroundLimit(render), lastIdentifier);
}

double backgroundLimit(const Render& render) {
  const double reach = outerEffectReach(render.args) * render.geometry.scale;
  return reach < 0 ? -1.0 : reach * reach;
}

}  // namespace velloro
