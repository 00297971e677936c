// Nearest boundary point and squared distance of every pixel of the region.
//
// Each 10 x 10 block searches the grid cells of its fixed 7 x 7 window. The
// result must equal a plain scan of the window in row-major order that keeps
// the first point with the smallest single-precision squared distance. To be
// fast the search visits cells nearest-first and skips cells whose bounding
// box cannot beat the best distance so far; ties are settled by the point's
// place in the row-major order, which keeps the result identical.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "geometry.h"

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
    int64_t blockDistance;  // for the nearest-first order
};

struct Nearest {
    float best = kNoPoint;
    int32_t rank = std::numeric_limits<int32_t>::max();
    int32_t identifier = 0;
    bool found = false;
};

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
    template <typename Visit>
    void forEachBlockPixel(bool dark, Visit visit) {
        const Region& region = g_.region;
        for (int32_t blockRow = region.startRow; blockRow < region.endRow; blockRow += kBlock) {
            for (int32_t blockColumn = region.startColumn; blockColumn < region.endColumn;
                 blockColumn += kBlock) {
                prepareWindow(blockRow, blockColumn);
                const int32_t lastRow = std::min(blockRow + kBlock, region.endRow);
                const int32_t lastColumn = std::min(blockColumn + kBlock, region.endColumn);
                for (int32_t r = blockRow; r < lastRow; ++r) {
                    for (int32_t c = blockColumn; c < lastColumn; ++c) {
                        if (render_.isDark(r, c) == dark) visit(r, c, search(r, c));
                    }
                }
            }
        }
    }

    // Stores a search result; returns the stored squared distance.
    float store(int32_t r, int32_t c, const Nearest& nearest) {
        if (nearest.found) lastIdentifier_ = nearest.identifier;
        const size_t cell = g_.cell(r, c);
        g_.distance[cell] = static_cast<uint32_t>(nearest.best);
        g_.nearest[cell] = lastIdentifier_;
        return nearest.best;
    }

private:
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
        window_.clear();
        rows_.clear();
        columns_.clear();
        int32_t place = 0;
        for (int32_t wr = blockRow - kWindowReach; wr <= blockRow + kWindowReach; wr += kBlock) {
            for (int32_t wc = blockColumn - kWindowReach; wc <= blockColumn + kWindowReach; wc += kBlock) {
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
                window_.push_back({rank, cell * kPointsPerGridCell, static_cast<int32_t>(rows_.size()),
                                   count, b, dr * dr + dc * dc});
                rows_.insert(rows_.end(), grid.rowsOf(cell), grid.rowsOf(cell) + count);
                columns_.insert(columns_.end(), grid.columnsOf(cell), grid.columnsOf(cell) + count);
            }
        }
        std::stable_sort(window_.begin(), window_.end(),
                         [](const WindowCell& a, const WindowCell& b) { return a.blockDistance < b.blockDistance; });
    }

    Nearest search(int32_t r, int32_t c) const {
        const int64_t pixelRow = static_cast<int64_t>(g_.scale) * r;
        const int64_t pixelColumn = static_cast<int64_t>(g_.scale) * c;
        Nearest nearest;
        for (const WindowCell& cell : window_) {
            const int64_t dr = gap(pixelRow, cell.bounds.minRow, cell.bounds.maxRow);
            const int64_t dc = gap(pixelColumn, cell.bounds.minColumn, cell.bounds.maxColumn);
            if (static_cast<float>(dr * dr + dc * dc) > nearest.best) continue;
            for (int32_t p = 0; p < cell.pointCount; ++p) {
                const size_t index = static_cast<size_t>(cell.firstPoint + p);
                const int64_t rowGap = pixelRow - rows_[index];
                const int64_t columnGap = pixelColumn - columns_[index];
                const float squared = static_cast<float>(columnGap * columnGap + rowGap * rowGap);
                if (squared > nearest.best) continue;
                const int32_t rank = cell.rank + p + 1;
                if (squared < nearest.best || (nearest.found && rank < nearest.rank)) {
                    nearest = {squared, rank, cell.identifier + p + 1, true};
                }
            }
        }
        return nearest;
    }

    Render& render_;
    Geometry& g_;
    std::vector<CellBounds> bounds_;
    std::vector<WindowCell> window_;
    std::vector<int32_t> rows_;
    std::vector<int32_t> columns_;
    int32_t lastIdentifier_ = 0;
};

}  // namespace

void computeDistances(Render& render) {
    Geometry& g = render.geometry;
    DistanceSearch search(render);

    float runningMaximum = 0;
    search.forEachBlockPixel(true, [&](int32_t r, int32_t c, const Nearest& nearest) {
        const float best = search.store(r, c, nearest);
        if (best > runningMaximum && best < kNoPoint) runningMaximum = best;
    });
    const double cap = 1000.0 * g.scale * g.scale;
    g.maxSquaredDistance = std::min(static_cast<double>(runningMaximum), cap);

    if (render.args.effectType > kCastShadow) {
        search.forEachBlockPixel(false, [&](int32_t r, int32_t c, const Nearest& nearest) {
            search.store(r, c, nearest);
        });
    }
}

}  // namespace velloro
