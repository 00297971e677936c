// The boundary points are the background pixels next to the element, whose
// centres lie half a pixel outside its edge: half a design pixel at density
// 1, but only 1 / (2 density) design pixels at a higher density. Moving
// every distance by the difference, (density - 1) / 2 pixels, makes a
// denser render measure what density 1 measures: inside pixels lie that
// much deeper, background pixels that much nearer.
#include <algorithm>
#include <cmath>

#include "geometry.h"

namespace velloro {
namespace {

// The difference in fixed point; 0 at density 1.
double shiftOf(const Geometry& g) { return (g.density - 1) * 0.5 * g.scale; }

uint32_t shifted(uint32_t squared, double shift) {
  if (squared >= kNoPointDistance) return squared;
  const double moved = std::max(std::sqrt(static_cast<double>(squared)) + shift, 0.0);
  return static_cast<uint32_t>(std::min(moved * moved, kNoPointDistance - 1.0));
}

void shiftClass(Render& render, bool dark, double shift) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  for (int32_t r = region.startRow; r < region.endRow; ++r)
    for (int32_t c = region.startColumn; c < region.endColumn; ++c)
      if (render.isDark(r, c) == dark) {
        uint32_t& distance = g.distance[g.cell(r, c)];
        distance = shifted(distance, shift);
      }
}

}  // namespace

// Points of the design pixels' outline lie half a design pixel out, as
// density 1's do: the element's distances to them need no move.
void alignElementDistances(Render& render) {
  Geometry& g = render.geometry;
  const double shift = shiftOf(g);
  if (shift <= 0 || g.designOutline) return;
  shiftClass(render, true, shift);
  if (g.maxSquaredDistance <= 0) return;
  const double cap = 1000.0 * g.scale * g.scale * g.density * g.density;
  const double deepest = std::sqrt(g.maxSquaredDistance) + shift;
  g.maxSquaredDistance = std::min(deepest * deepest, cap);
}

void alignBackgroundDistances(Render& render) {
  const double shift = shiftOf(render.geometry);
  if (shift <= 0 || !isOuterEffect(render.args.effectType)) return;
  shiftClass(render, false, -shift);
}

}  // namespace velloro
