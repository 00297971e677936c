// Anti-aliases the outline: every smoothed boundary point gives its pixel the
// weighted colour of the eight neighbours, weighted by where the point lies
// inside the pixel, and lets the background show through by the share of
// empty neighbours. Single precision throughout, as the blend is stored
// truncated anyway.
#include <algorithm>
#include <array>
#include <vector>

#include "colour_map.h"
#include "layer_steps.h"
#include "truncation.h"

namespace velloro {
namespace {

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

class EdgeSmoother {
 public:
  explicit EdgeSmoother(Render& render)
      : g_(render.geometry),
        colour_(render.layer.colour),
        transparency_(render.layer.transparency) {}

  // Blends the pixel of a smoothed boundary point; returns whether it did.
  bool smoothPoint(int32_t row, int32_t column) {
    const float scale = static_cast<float>(g_.scale);
    const float rowPosition = static_cast<float>(row) / scale + 0.5f;
    const float columnPosition = static_cast<float>(column) / scale + 0.5f;
    if (!(rowPosition >= 1 && columnPosition >= 3)) return false;
    const int32_t r = static_cast<int32_t>(rowPosition);
    const int32_t c = static_cast<int32_t>(columnPosition);
    const auto neighbours = neighbourWeights(rowPosition - r, columnPosition - c);

    float emptyWeight = 0;
    std::array<float, 3> sums{};
    bool anyColoured = false;
    for (const Neighbour& n : neighbours) {
      const size_t entry = entryOf(r + n.rowOffset, c + n.columnOffset);
      if (colour_[entry] == kEmptyColour) {
        emptyWeight += n.weight;
      } else {
        anyColoured = true;
      }
      for (size_t k = 0; k < 3; ++k) {
        const int16_t value = colour_[entry + k];
        sums[k] += n.weight * static_cast<float>(value == kEmptyColour ? 0 : value);
      }
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

  // The pixel the last blend wrote.
  std::array<int32_t, 2> blended() const { return blended_; }

 private:
  size_t entryOf(int32_t r, int32_t c) const { return colourEntry(colour_, g_.stride, r, c); }

  const Geometry& g_;
  PixelMap<int16_t>& colour_;
  PixelMap<uint8_t>& transparency_;
  std::array<int32_t, 2> blended_{};
};

// A pixel of density 1 next to the outline is blended as a whole; at a
// higher density the blend of each outline pixel carries on outwards over
// the background pixels of the same design pixel's width, one ring of
// neighbours at a time, so the soft edge is as wide as at density 1.
class EdgeWidener {
 public:
  explicit EdgeWidener(Render& render)
      : render_(render),
        g_(render.geometry),
        colour_(render.layer.colour),
        transparency_(render.layer.transparency),
        reached_(g_.cellCount(), 0) {}

  void add(std::array<int32_t, 2> pixel) {
    const size_t cell = g_.cell(pixel[0], pixel[1]);
    if (reached_[cell]) return;
    reached_[cell] = 1;
    front_.push_back(pixel);
  }

  void widen() {
    for (int32_t ring = 1; ring < g_.density; ++ring) {
      std::vector<std::array<int32_t, 2>> from;
      from.swap(front_);
      for (const auto& pixel : from) {
        static constexpr int32_t kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& step : kSteps) spread(pixel, {pixel[0] + step[0], pixel[1] + step[1]});
      }
    }
  }

 private:
  void spread(std::array<int32_t, 2> from, std::array<int32_t, 2> to) {
    if (to[0] < 0 || to[0] >= g_.height || to[1] < 0 || to[1] >= g_.width) return;
    if (render_.isDark(to[0], to[1])) return;
    const size_t cell = g_.cell(to[0], to[1]);
    if (reached_[cell]) return;
    reached_[cell] = 1;
    const size_t source = colourEntry(colour_, g_.stride, from[0], from[1]);
    const size_t target = colourEntry(colour_, g_.stride, to[0], to[1]);
    for (size_t k = 0; k < 3; ++k) colour_[target + k] = colour_[source + k];
    transparency_[cell] = transparency_[g_.cell(from[0], from[1])];
    front_.push_back(to);
  }

  const Render& render_;
  const Geometry& g_;
  PixelMap<int16_t>& colour_;
  PixelMap<uint8_t>& transparency_;
  std::vector<uint8_t> reached_;
  std::vector<std::array<int32_t, 2>> front_;
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
