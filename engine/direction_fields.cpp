// Direction of every pixel from its nearest boundary point, and the 7 x 7
// neighbourhood averages that give the light maps and the smoothed angle.
//
// Only pixels whose light or angle a later step reads are worked out: those
// of the element, and the background near it when the effect shades the
// background by its light B (with the pixels their windows reach). Windows
// never mix the two classes, so the element's averages do not depend on the
// background's.
//
// Every average sums its neighbours column by column, row by row inside a
// column, exactly in that order, so results are bit for bit those of the
// plain loop; a neighbour of the other class adds +0.0, which leaves a sum
// unchanged (a sum that starts at +0.0 is never -0.0). At a density above 1
// the window is that many times as wide; its sums are then running sums,
// first down each column and then across, as a plain loop would take
// (7 density)^2 additions a pixel.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "effect_reach.h"
#include "geometry.h"
#include "window_inputs.h"

namespace velloro {
namespace {

constexpr int32_t kReach = 3;  // the window spans 2 * 3 + 1 design pixels each way
constexpr int32_t kChunk = 8;  // rows averaged side by side

// Which pixels need their directions (for their own average or a
// neighbour's) and which need their light averaged.
class Needs {
 public:
  explicit Needs(const Render& render) : geometry_(render.geometry) {
    const double reach = backgroundLightReach(render.args);
    background_ = reach >= 0;
    averageLimit_ = squaredFixedPoint(reach);
    directionLimit_ = squaredFixedPoint(reach + lightWindowReach(render.geometry.density));
  }

  bool background() const { return background_; }
  bool directions(bool dark, size_t cell) const {
    return dark || (background_ && geometry_.distance[cell] <= directionLimit_);
  }
  bool light(bool dark, size_t cell) const {
    return dark || (background_ && geometry_.distance[cell] <= averageLimit_);
  }

 private:
  double squaredFixedPoint(double pixels) const {
    return pixels * pixels * geometry_.scale * geometry_.scale;
  }

  const Geometry& geometry_;
  bool background_ = false;
  double averageLimit_ = 0;
  double directionLimit_ = 0;
};

// Region maps stored column by column with a window's reach of padding on
// all sides, so every window lies inside them, and a chunk's worth more
// below the last row, so a chunk of rows never runs off its column.
class PaddedRegion {
 public:
  PaddedRegion(const Region& region, int32_t reach)
      : region_(region),
        reach_(reach),
        height_(region.endRow - region.startRow + 2 * reach + kChunk),
        width_(region.endColumn - region.startColumn + 2 * reach) {}

  size_t size() const { return static_cast<size_t>(height_) * width_; }
  int32_t height() const { return height_; }
  int32_t width() const { return width_; }
  int32_t reach() const { return reach_; }
  size_t at(int32_t r, int32_t c) const {
    return static_cast<size_t>(c - region_.startColumn + reach_) * height_ +
           static_cast<size_t>(r - region_.startRow + reach_);
  }

 private:
  Region region_;
  int32_t reach_;
  int32_t height_;
  int32_t width_;
};

void gatherInputs(const Render& render, const PaddedRegion& padded, const Needs& needs,
                  WindowInputs& inputs) {
  const Geometry& g = render.geometry;
  const Region& region = g.region;
  inputs.reset(padded.size(), needs.background());
  for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
    render.workers.stopPoint();
    for (int32_t r = region.startRow; r < region.endRow; ++r) {
      const bool dark = render.isDark(r, c);
      const size_t index = padded.at(r, c);
      const size_t cell = g.cell(r, c);
      inputs.dark[index] = dark;
      inputs.lightWanted[index] = needs.light(dark, cell);
      if (!needs.directions(dark, cell)) continue;
      ClassMaps& own = inputs.classes[dark ? kDarkClass : kBrightClass];
      own.member[index] = 1.0;
      own.sineB[index] = std::sin(g.diagonalB[cell]);
      if (!dark) continue;
      own.sineA[index] = std::sin(g.diagonalA[cell]);
      own.angle[index] = g.angle[cell];
    }
  }
}

// Light maps and neighbour counts. The sums of a column's pixels are
// independent of each other, so `kChunk` rows of a column are summed side by
// side, and chunks without a pixel of the class are skipped.
template <bool kWithLightA>
void averageLightOfClass(Render& render, const PaddedRegion& padded, WindowInputs& inputs,
                         size_t cls) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  const ClassMaps& maps = inputs.classes[cls];
  const double* member = maps.member.data();
  const uint8_t* wanted = inputs.lightWanted.data();
  const double* sineA = maps.sineA.data();
  const double* sineB = maps.sineB.data();

  for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
    render.workers.stopPoint();
    for (int32_t firstRow = region.startRow; firstRow < region.endRow; firstRow += kChunk) {
      const size_t centre = padded.at(firstRow, c);
      if (std::none_of(wanted + centre, wanted + centre + kChunk, [](uint8_t w) { return w != 0; }))
        continue;
      double sumA[kChunk] = {};
      double sumB[kChunk] = {};
      double count[kChunk] = {};
      for (int32_t dc = -kReach; dc <= kReach; ++dc) {
        for (int32_t dr = -kReach; dr <= kReach; ++dr) {
          const size_t neighbour = padded.at(firstRow + dr, c + dc);
          for (int32_t i = 0; i < kChunk; ++i) {
            if constexpr (kWithLightA) sumA[i] += sineA[neighbour + i];
            sumB[i] += sineB[neighbour + i];
            count[i] += member[neighbour + i];
          }
        }
      }
      const int32_t rows = std::min(kChunk, region.endRow - firstRow);
      for (int32_t i = 0; i < rows; ++i) {
        if (!wanted[centre + i] || member[centre + i] == 0.0) continue;
        inputs.count[centre + i] = count[i];
        const size_t cell = g.cell(firstRow + i, c);
        if constexpr (kWithLightA) g.lightA[cell] = sumA[i] / count[i];
        g.lightB[cell] = sumB[i] / count[i];
      }
    }
  }
}

// The angle map is averaged in place: later windows read averaged angles.
// Only the element's angles are ever read.
void averageAngle(Render& render, const PaddedRegion& padded, WindowInputs& inputs) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  const size_t height = static_cast<size_t>(padded.height());
  for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
    render.workers.stopPoint();
    for (int32_t r = region.startRow; r < region.endRow; ++r) {
      const size_t centre = padded.at(r, c);
      if (!inputs.dark[centre]) continue;
      double* angle = inputs.classes[kDarkClass].angle.data();
      double sum = 0;
      const double* column = angle + centre - kReach * height - kReach;
      for (int32_t dc = -kReach; dc <= kReach; ++dc, column += height) {
        for (int32_t dr = 0; dr <= 2 * kReach; ++dr) sum += column[dr];
      }
      angle[centre] = sum / inputs.count[centre];
      g.angle[g.cell(r, c)] = angle[centre];
    }
  }
}

// Sums of `values` over the window around every place of the padded maps
// (places nearer the padding's edge sum what lies inside it): `full` places
// each way at full weight and, when `halfEdge`, one more each way at half.
std::vector<double> windowSums(const std::vector<double>& values, const PaddedRegion& padded,
                               int32_t full, bool halfEdge) {
  const size_t height = static_cast<size_t>(padded.height());
  const int32_t columns = padded.width();
  const double edgeWeight = halfEdge ? 0.5 : 0.0;
  std::vector<double> down(values.size(), 0.0);
  for (int32_t c = 0; c < columns; ++c) {
    const double* column = values.data() + c * height;
    double* sums = down.data() + c * height;
    const auto at = [&](int64_t r) {
      return r >= 0 && r < static_cast<int64_t>(height) ? column[r] : 0.0;
    };
    double running = 0;
    for (int64_t r = -full; r < static_cast<int64_t>(height); ++r) {
      running += at(r + full);
      running -= at(r - full - 1);
      if (r >= 0) sums[r] = running + edgeWeight * (at(r - full - 1) + at(r + full + 1));
    }
  }
  std::vector<double> across(values.size(), 0.0);
  std::vector<double> running(height, 0.0);
  const auto addColumn = [&](int64_t c, double weight, double* into) {
    if (c < 0 || c >= columns || weight == 0.0) return;
    const double* column = down.data() + c * height;
    for (size_t r = 0; r < height; ++r) into[r] += weight * column[r];
  };
  for (int32_t c = -full; c < columns; ++c) {
    addColumn(c + full, 1.0, running.data());
    addColumn(c - full - 1, -1.0, running.data());
    if (c < 0) continue;
    double* sums = across.data() + c * height;
    std::copy(running.begin(), running.end(), sums);
    addColumn(c - full - 1, edgeWeight, sums);
    addColumn(c + full + 1, edgeWeight, sums);
  }
  return across;
}

// The averages of a window wider than 7 x 7, for a density above 1. The
// angle is averaged from the unaveraged angles: no byte of density 1 is
// to be kept, and an in-place average cannot be summed in running sums.
void averageWideWindows(Render& render, const PaddedRegion& padded, WindowInputs& inputs,
                        bool withBackground) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  // The window covers 7 x 7 design pixels: 7 density pixels across.
  const int32_t across = 7 * g.density;
  const int32_t full = (across - 1) / 2;
  const bool halfEdge = across % 2 == 0;
  for (size_t cls : {kDarkClass, kBrightClass}) {
    if (cls == kBrightClass && !withBackground) continue;
    const ClassMaps& maps = inputs.classes[cls];
    const bool element = cls == kDarkClass;
    const auto sums = [&](const std::vector<double>& values) {
      return windowSums(values, padded, full, halfEdge);
    };
    const std::vector<double> count = sums(maps.member);
    const std::vector<double> sineB = sums(maps.sineB);
    const std::vector<double> sineA = element ? sums(maps.sineA) : sineB;
    const std::vector<double> angle = element ? sums(maps.angle) : sineB;
    for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
      render.workers.stopPoint();
      for (int32_t r = region.startRow; r < region.endRow; ++r) {
        const size_t at = padded.at(r, c);
        if (!inputs.lightWanted[at] || maps.member[at] == 0.0 || count[at] <= 0) continue;
        const size_t cell = g.cell(r, c);
        g.lightB[cell] = sineB[at] / count[at];
        if (!element) continue;
        g.lightA[cell] = sineA[at] / count[at];
        g.angle[cell] = angle[at] / count[at];
      }
    }
  }
}

}  // namespace

void computeDirectionFields(Render& render) {
  Geometry& g = render.geometry;
  if (!g.hasDirectionFields()) return;
  const Needs needs(render);
  const Region& region = g.region;
  const double scale = g.scale;
  for (int32_t r = region.startRow; r < region.endRow; ++r) {
    render.workers.stopPoint();
    for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
      const size_t cell = g.cell(r, c);
      const bool dark = render.isDark(r, c);
      if (!needs.directions(dark, cell)) continue;
      const PointGrid& grid = g.gridOf(dark);
      const int32_t point = g.nearest[cell];
      const double dr = r - grid.rowAt(point) / scale;
      const double dc = c - grid.columnAt(point) / scale;
      g.diagonalB[cell] = std::atan2(dr - dc, -(dr + dc));
      if (!dark) continue;
      g.angle[cell] = std::fabs(std::atan2(dc, dr)) / std::numbers::pi;
      g.diagonalA[cell] = std::atan2(dr + dc, dc - dr);
    }
  }
}

void averageDirectionFields(Render& render) {
  if (!render.geometry.hasDirectionFields()) return;
  const Region& region = render.geometry.region;
  if (region.endRow <= region.startRow || region.endColumn <= region.startColumn) return;
  const int32_t density = render.geometry.density;
  const PaddedRegion padded(region, density > 1 ? lightWindowPixels(density) : kReach);
  const Needs needs(render);
  WindowInputs& inputs = render.windowInputs;
  gatherInputs(render, padded, needs, inputs);
  if (density > 1) {
    averageWideWindows(render, padded, inputs, needs.background());
    if (padded.size() > kKeptCells) inputs = WindowInputs{};
    return;
  }
  averageLightOfClass<true>(render, padded, inputs, kDarkClass);
  if (needs.background()) averageLightOfClass<false>(render, padded, inputs, kBrightClass);
  averageAngle(render, padded, inputs);
  if (padded.size() > kKeptCells) inputs = WindowInputs{};
}

}  // namespace velloro
