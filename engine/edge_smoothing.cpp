// Anti-aliases the outline: every smoothed boundary point gives its pixel the
// weighted colour of the eight neighbours, weighted by where the point lies
// inside the pixel, and lets the background show through by the share of
// empty neighbours. A denser render does what density 1 does at its
// resolution: the neighbours lie a design pixel away, the point's place is
// measured in design pixels, and the blend covers a design pixel's width.
// Single precision throughout, as the blend is stored truncated anyway.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "colour_map.h"
#include "layer_steps.h"
#include "truncation.h"

namespace velloro {
namespace {

using Pixel = std::array<int32_t, 2>;

struct Neighbour {
  int32_t rowOffset;
  int32_t columnOffset;
  float weight;
};

// The eight neighbours in the order their shares are summed.
std::array<Neighbour, 8> neighbourWeights(float rowFraction, float columnFraction) {
  const float phi = rowFraction;
  const float psi = columnFraction;
  return {{{-1, 0, phi},
           {1, 0, 1 - phi},
           {0, -1, psi},
           {0, 1, 1 - psi},
           {-1, -1, phi * psi},
           {-1, 1, phi * (1 - psi)},
           {1, -1, (1 - phi) * psi},
           {1, 1, (1 - phi) * (1 - psi)}}};
}

// The pixels a neighbour one design pixel away covers along one axis, each
// with its share of the neighbour: before the pixel (-1), the design pixel's
// width of pixels next to it; after it (1), likewise; level with it (0), a
// design pixel's width centred on it, whose end pixels are halved when that
// width is even. At density 1 a neighbour is the single adjacent pixel.
struct AxisShare {
  int32_t offset;
  float share;
};
using AxisSpan = std::vector<AxisShare>;

AxisSpan axisSpan(int32_t side, int32_t density) {
  const float whole = 1.0f / static_cast<float>(density);
  AxisSpan span;
  if (side != 0) {
    for (int32_t i = 1; i <= density; ++i) span.push_back({side * i, whole});
    return span;
  }
  const int32_t half = density / 2;
  for (int32_t i = -half; i <= half; ++i) {
    const bool halved = density % 2 == 0 && (i == -half || i == half);
    span.push_back({i, halved ? whole / 2 : whole});
  }
  return span;
}

// What the pixels of one neighbour hold: their empty share and the sums of
// their coloured channels, each pixel weighted by its share.
struct NeighbourSample {
  float empty = 0;
  std::array<float, 3> sums{};
  bool anyColoured = false;
};

class EdgeSmoother {
 public:
  explicit EdgeSmoother(Render& render)
      : g_(render.geometry),
        colour_(render.layer.colour),
        transparency_(render.layer.transparency),
        spans_{axisSpan(-1, g_.density), axisSpan(0, g_.density), axisSpan(1, g_.density)} {}

  // Blends the pixel of a smoothed boundary point; returns whether it did.
  bool smoothPoint(int32_t row, int32_t column) {
    const float scale = static_cast<float>(g_.scale);
    const float rowPosition = static_cast<float>(row) / scale + 0.5f;
    const float columnPosition = static_cast<float>(column) / scale + 0.5f;
    if (!(rowPosition >= 1 && columnPosition >= 3)) return false;
    const int32_t r = static_cast<int32_t>(rowPosition);
    const int32_t c = static_cast<int32_t>(columnPosition);
    if (g_.density == 1) return blend(r, c, neighbourWeights(rowPosition - r, columnPosition - c));
    return smoothDensePoint(rowPosition, columnPosition, r, c);
  }

  // The pixel the last blend wrote.
  Pixel blended() const { return blended_; }

 private:
  size_t entryOf(int32_t r, int32_t c) const { return colourEntry(colour_, g_.stride, r, c); }

  // A point of density 1 moves less than half a pixel from the centre of its
  // boundary pixel, which lies just outside the outline, so it always blends
  // that pixel. A denser point may move as many design pixels, across
  // several of its own pixels and into the element: it blends the boundary
  // pixel nearest to it, weighted by its offset from that pixel's centre in
  // design pixels, as density 1 weighs it.
  bool smoothDensePoint(float rowPosition, float columnPosition, int32_t r, int32_t c) {
    const auto boundary = nearestBoundaryPixel(rowPosition, columnPosition, r, c);
    if (!boundary) return false;
    const auto [br, bc] = *boundary;
    const float density = static_cast<float>(g_.density);
    const auto designFraction = [density](float position, int32_t pixel) {
      return std::clamp(0.5f + (position - (static_cast<float>(pixel) + 0.5f)) / density, 0.0f,
                        1.0f);
    };
    return blend(
        br, bc,
        neighbourWeights(designFraction(rowPosition, br), designFraction(columnPosition, bc)));
  }

  // The boundary pixel whose centre lies nearest the point, among those
  // within a design pixel of the pixel it lies in.
  std::optional<Pixel> nearestBoundaryPixel(float rowPosition, float columnPosition, int32_t r,
                                            int32_t c) const {
    std::optional<Pixel> nearest;
    float nearestSquare = 0;
    const int32_t reach = g_.density;
    for (int32_t row = std::max(r - reach, 0); row <= std::min(r + reach, g_.height - 1); ++row)
      for (int32_t column = std::max(c - reach, 0); column <= std::min(c + reach, g_.width - 1);
           ++column) {
        if (g_.edgeMark[g_.cell(row, column)] != 1) continue;
        const float dr = rowPosition - (static_cast<float>(row) + 0.5f);
        const float dc = columnPosition - (static_cast<float>(column) + 0.5f);
        const float square = dr * dr + dc * dc;
        if (nearest && square >= nearestSquare) continue;
        nearest = {row, column};
        nearestSquare = square;
      }
    return nearest;
  }

  // Gives pixel (r, c) the weighted colour of its coloured neighbours and
  // the empty neighbours' share as its transparency.
  bool blend(int32_t r, int32_t c, const std::array<Neighbour, 8>& neighbours) {
    float emptyWeight = 0;
    std::array<float, 3> sums{};
    bool anyColoured = false;
    for (const Neighbour& n : neighbours) {
      const NeighbourSample sample = sampleOf(r, c, n);
      emptyWeight += n.weight * sample.empty;
      anyColoured = anyColoured || sample.anyColoured;
      for (size_t k = 0; k < 3; ++k) sums[k] += n.weight * sample.sums[k];
    }
    const float missing = emptyWeight / 3;
    const float covered = 1 - missing;
    // With no coloured neighbour there is nothing to blend from.
    if (!anyColoured || covered == 0) return false;

    const size_t own = entryOf(r, c);
    for (size_t k = 0; k < 3; ++k) {
      const float value = sums[k] / covered * 0.33333334f;
      colour_[own + k] = static_cast<int16_t>(truncateInto(value, INT16_MIN, INT16_MAX));
    }
    transparency_[g_.cell(r, c)] = truncateToByte(100 * missing);
    blended_ = {r, c};
    return true;
  }

  // The pixels of the neighbour `n` of pixel (r, c).
  NeighbourSample sampleOf(int32_t r, int32_t c, const Neighbour& n) const {
    NeighbourSample sample;
    for (const AxisShare& down : spans_[static_cast<size_t>(n.rowOffset + 1)])
      for (const AxisShare& across : spans_[static_cast<size_t>(n.columnOffset + 1)]) {
        const float share = down.share * across.share;
        const size_t entry = entryOf(r + down.offset, c + across.offset);
        if (colour_[entry] == kEmptyColour) {
          sample.empty += share;
          continue;
        }
        sample.anyColoured = true;
        // A channel that happens to hold the empty mark counts as black.
        for (size_t k = 0; k < 3; ++k) {
          const int16_t value = colour_[entry + k];
          sample.sums[k] += share * static_cast<float>(value == kEmptyColour ? 0 : value);
        }
      }
    return sample;
  }

  const Geometry& g_;
  PixelMap<int16_t>& colour_;
  PixelMap<uint8_t>& transparency_;
  std::array<AxisSpan, 3> spans_;
  Pixel blended_{};
};

// A pixel of density 1 next to the outline is blended as a whole; at a
// higher density the blend of each outline pixel carries on outwards over
// the background pixels, one ring of neighbours at a time, to cover a design
// pixel as density 1 does. It stays in the outline pixel's own block of a
// design pixel unless most of that block is the element's: density 1 draws
// the element there and blends the design pixel beyond, which the blend
// then reaches into.
class EdgeWidener {
 public:
  explicit EdgeWidener(Render& render)
      : render_(render),
        g_(render.geometry),
        colour_(render.layer.colour),
        transparency_(render.layer.transparency),
        reached_(g_.cellCount(), 0) {}

  void add(Pixel pixel) {
    const size_t cell = g_.cell(pixel[0], pixel[1]);
    if (reached_[cell]) return;
    reached_[cell] = 1;
    front_.push_back({pixel, pixel, blockMostlyElement(pixel)});
  }

  void widen() {
    for (int32_t ring = 1; ring < g_.density; ++ring) {
      std::vector<Step> from;
      from.swap(front_);
      for (const Step& step : from) {
        static constexpr int32_t kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& move : kSteps)
          spread(step, {step.pixel[0] + move[0], step.pixel[1] + move[1]});
      }
    }
  }

 private:
  // A widened pixel and the outline pixel whose blend it carries.
  struct Step {
    Pixel pixel;
    Pixel origin;
    bool leavesBlock;  // may leave the origin's block of a design pixel
  };

  void spread(const Step& from, Pixel to) {
    if (to[0] < 0 || to[0] >= g_.height || to[1] < 0 || to[1] >= g_.width) return;
    if (render_.isDark(to[0], to[1])) return;
    if (!from.leavesBlock && blockOf(to) != blockOf(from.origin)) return;
    const size_t cell = g_.cell(to[0], to[1]);
    if (reached_[cell]) return;
    reached_[cell] = 1;
    const size_t source = colourEntry(colour_, g_.stride, from.pixel[0], from.pixel[1]);
    const size_t target = colourEntry(colour_, g_.stride, to[0], to[1]);
    for (size_t k = 0; k < 3; ++k) colour_[target + k] = colour_[source + k];
    transparency_[cell] = transparency_[g_.cell(from.pixel[0], from.pixel[1])];
    front_.push_back({to, from.origin, from.leavesBlock});
  }

  Pixel blockOf(Pixel pixel) const { return {pixel[0] / g_.density, pixel[1] / g_.density}; }

  // Whether more than half the pixels of the pixel's block of a design
  // pixel are the element's, as density 1 decides whether a pixel is.
  bool blockMostlyElement(Pixel pixel) const {
    const Pixel block = blockOf(pixel);
    int32_t inside = 0;
    for (int32_t i = 0; i < g_.density; ++i)
      for (int32_t j = 0; j < g_.density; ++j) {
        const int32_t row = std::min(block[0] * g_.density + i, g_.height - 1);
        const int32_t column = std::min(block[1] * g_.density + j, g_.width - 1);
        inside += render_.isDark(row, column) ? 1 : 0;
      }
    return 2 * inside > g_.density * g_.density;
  }

  const Render& render_;
  const Geometry& g_;
  PixelMap<int16_t>& colour_;
  PixelMap<uint8_t>& transparency_;
  std::vector<uint8_t> reached_;
  std::vector<Step> front_;
};

}  // namespace

void smoothEdges(Render& render) {
  Geometry& g = render.geometry;
  EdgeSmoother smoother(render);
  const size_t points = std::min(static_cast<size_t>(g.pointCount) + 1, g.boundaryRows.size());
  if (g.density == 1) {
    for (size_t i = 1; i < points; ++i)
      smoother.smoothPoint(g.boundaryRows[i], g.boundaryColumns[i]);
    return;
  }
  EdgeWidener widener(render);
  for (size_t i = 1; i < points; ++i) {
    if (smoother.smoothPoint(g.boundaryRows[i], g.boundaryColumns[i]))
      widener.add(smoother.blended());
  }
  widener.widen();
}

}  // namespace velloro
