// Moves every boundary point towards the average of its neighbours along the
// boundary, giving fixed-point sub-pixel coordinates.
#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry.h"

namespace velloro {
namespace {

struct Position {
  int32_t row = 0;
  int32_t column = 0;
  bool operator==(const Position&) const = default;
};

// Steps and moves are design pixels: a denser outline walks and moves
// `density` times as far.
constexpr int32_t kMaximumSteps = 4 * kLargestDensity;
constexpr double kMaximumMove = 0.45;  // design pixels a point may move

// The walk state carries over from one point to the next.
struct Walker {
  const Geometry& geometry;
  std::optional<Position> previous;
  std::optional<Position> prePrevious;

  bool qualifies(Position candidate, bool rejectNegativeCells) const {
    const int64_t cellNumber =
        static_cast<int64_t>(candidate.row) * geometry.width + candidate.column;
    if (rejectNegativeCells && cellNumber < 0) return false;
    if (geometry.edgeMark[geometry.clampCell(cellNumber)] != 1) return false;
    return candidate != previous && candidate != prePrevious;
  }

  // One step along the boundary: the first qualifying neighbour, if any.
  std::optional<Position> step(Position& current, bool rejectNegativeCells) {
    for (int32_t dr = -1; dr <= 1; ++dr) {
      for (int32_t dc = -1; dc <= 1; ++dc) {
        if (dr == 0 && dc == 0) continue;
        const Position neighbour{current.row + dr, current.column + dc};
        if (!qualifies(neighbour, rejectNegativeCells)) continue;
        prePrevious = previous;
        previous = current;
        current = neighbour;
        return neighbour;
      }
    }
    return std::nullopt;
  }
};

// Row or column of a walk step; unrecorded steps and zeros count as the point.
int32_t coordinateOr(int32_t recorded, int32_t own) { return recorded != 0 ? recorded : own; }

int32_t movedCoordinate(int32_t scale, int32_t own, float delta, double largestMove, float offset) {
  return static_cast<int32_t>(scale * own + delta * largestMove / offset + 0.5);
}

// The average of `count` coordinates summing to `sum`, in fixed point of
// `scale`, rounded; exact when the scale is 10 per coordinate, as it is at
// density 1.
int32_t averageOf(int64_t sum, int32_t count, int32_t scale) {
  return static_cast<int32_t>((2 * sum * scale + count) / (2 * int64_t{count}));
}

}  // namespace

void smoothBoundary(Geometry& g) {
  const int32_t k = std::min(g.smoothingSteps * g.density, kMaximumSteps);
  const int32_t scale = g.scale;
  const double largestMove = kMaximumMove * g.density;
  Walker walker{g, std::nullopt, std::nullopt};
  std::optional<Position> walks[2][kMaximumSteps];

  for (int32_t i = 1; i <= g.pointCount; ++i) {
    const Position own{g.boundaryRows[i], g.boundaryColumns[i]};

    Position current = own;
    Position firstStep = own;
    for (int32_t m = 0; m < k; ++m) {
      if (m == 1) firstStep = current;
      walks[0][m] = walker.step(current, true);
    }
    walker.previous = firstStep;
    current = own;
    for (int32_t m = 0; m < k; ++m) walks[1][m] = walker.step(current, false);

    int32_t sumRows = own.row;
    int32_t sumColumns = own.column;
    for (const auto& walk : walks) {
      for (int32_t m = 0; m < k; ++m) {
        const Position p = walk[m].value_or(own);
        sumRows += coordinateOr(p.row, own.row);
        sumColumns += coordinateOr(p.column, own.column);
      }
    }

    const int32_t averageRow = averageOf(sumRows, 2 * k + 1, scale);
    const int32_t averageColumn = averageOf(sumColumns, 2 * k + 1, scale);
    const float dR = static_cast<float>(averageRow - scale * own.row);
    const float dC = static_cast<float>(averageColumn - scale * own.column);
    const float offset = std::sqrt(dR * dR + dC * dC) / static_cast<float>(scale);
    if (static_cast<double>(offset) < largestMove) {
      g.boundaryRows[i] = averageRow;
      g.boundaryColumns[i] = averageColumn;
    } else {
      g.boundaryRows[i] = movedCoordinate(scale, own.row, dR, largestMove, offset);
      g.boundaryColumns[i] = movedCoordinate(scale, own.column, dC, largestMove, offset);
    }
  }
}

}  // namespace velloro
