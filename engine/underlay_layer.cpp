// An underlay holds an outside effect that lies under the element's own
// layer: the element is laid once, by its slot, so its colours are left out
// here; its depth stays, as the shadow an underlay casts is read from it.
#include "colour_map.h"
#include "layer_steps.h"

namespace velloro {

void leaveElementEmpty(Render& render) {
  const Geometry& g = render.geometry;
  PixelMap<int16_t>& colour = render.layer.colour;
  if (colour.size() < 3) return;
  const Region& region = g.region;
  for (int32_t r = std::max(region.startRow, 0); r < std::min(region.endRow, g.height); ++r) {
    for (int32_t c = std::max(region.startColumn, 0); c < std::min(region.endColumn, g.width);
         ++c) {
      if (!render.isDark(r, c)) continue;
      const size_t entry = colourEntry(colour, g.stride, r, c);
      colour[entry] = colour[entry + 1] = colour[entry + 2] = kEmptyColour;
    }
  }
}

}  // namespace velloro
