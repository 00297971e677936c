// Anti-aliases the outline: every smoothed boundary point gives its pixel the
// weighted colour of the eight neighbours, weighted by where the point lies
// inside the pixel, and lets the background show through by the share of
// empty neighbours. Single precision throughout, as the blend is stored
// truncated anyway.
#include <algorithm>
#include <array>

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

  void smoothPoint(int32_t row, int32_t column) {
    const float scale = static_cast<float>(g_.scale);
    const float rowPosition = static_cast<float>(row) / scale + 0.5f;
    const float columnPosition = static_cast<float>(column) / scale + 0.5f;
    if (!(rowPosition >= 1 && columnPosition >= 3)) return;
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
    if (!anyColoured || covered == 0) return;

    const size_t own = entryOf(r, c);
    for (size_t k = 0; k < 3; ++k) {
      const float value = sums[k] / covered * 0.33333334f;
      colour_[own + k] = static_cast<int16_t>(truncateInto(value, INT16_MIN, INT16_MAX));
    }
    transparency_[g_.cell(r, c)] = truncateToByte(100 * missing);
  }

 private:
  size_t entryOf(int32_t r, int32_t c) const { return colourEntry(colour_, g_.stride, r, c); }

  const Geometry& g_;
  PixelMap<int16_t>& colour_;
  PixelMap<uint8_t>& transparency_;
};

}  // namespace

void smoothEdges(Render& render) {
  Geometry& g = render.geometry;
  EdgeSmoother smoother(render);
  const size_t points = std::min(static_cast<size_t>(g.pointCount) + 1, g.boundaryRows.size());
  for (size_t i = 1; i < points; ++i) smoother.smoothPoint(g.boundaryRows[i], g.boundaryColumns[i]);
}

}  // namespace velloro
