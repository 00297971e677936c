// Shades every inside pixel from the profile curve, the surface pattern, the
// light maps and its depth under the chosen material.
#include <algorithm>
#include <cmath>

#include "base_colour.h"
#include "colour_map.h"
#include "layer_steps.h"
#include "materials.h"
#include "spline.h"
#include "surface_patterns.h"
#include "truncation.h"

namespace velloro {
namespace {

class SurfaceShader {
 public:
  SurfaceShader(Render& render, const TextureTile& texture)
      : render_(render),
        g_(render.geometry),
        base_(render, texture),
        pattern_(render.args.surfacePattern),
        material_(materialShader(toInt(render.args.material))) {
    // Without a profile curve every lookup runs on zero knots.
    const SurfacePatternType pattern = render.args.surfacePattern;
    if (pattern >= SurfacePatternType::None && pattern <= SurfacePatternType::Ripples)
      profile_ = profileSpline(render.args);
  }

  void shade() {
    const BoundingBox& box = g_.box;
    for (int32_t r = box.minRow; r < box.maxRow; ++r) {
      const double verticalFraction =
          static_cast<double>(r - box.minRow) / (box.maxRow - box.minRow);
      for (int32_t c = box.minColumn; c < box.maxColumn; ++c) {
        if (render_.isDark(r, c)) shadePixel(r, c, verticalFraction);
      }
    }
  }

 private:
  double profileParameter(int32_t c, double verticalFraction, double depthTerm) const {
    const BoundingBox& box = g_.box;
    switch (render_.args.curveAxis) {
      case CurveAxis::TopToBottom: return 1 - verticalFraction;
      case CurveAxis::LeftToRight:
        return static_cast<double>(c - box.minColumn) / (box.maxColumn - box.minColumn);
      case CurveAxis::CentreToEdge: return depthTerm;
      default: return 0.5;
    }
  }

  void shadePixel(int32_t r, int32_t c, double verticalFraction) {
    const size_t cell = g_.cell(r, c);
    const double squaredDistance = g_.distance[cell];
    const double maximum = g_.maxSquaredDistance;
    const double depth = maximum == 0 ? 1 : std::min(squaredDistance / maximum, 1.0);
    render_.layer.depth[cell] = truncateToByte(depth * 255);

    ShadingPoint p;
    p.rootDepth = std::sqrt(depth);
    p.depthTerm = 1 - p.rootDepth;
    p.edgeDistance = std::sqrt(squaredDistance) / g_.scale;
    p.verticalFraction = verticalFraction;
    // Without direction fields the material reads no light.
    p.lightA = g_.hasDirectionFields() ? g_.lightA[cell] : 0;
    p.lightB = g_.hasDirectionFields() ? g_.lightB[cell] : 0;
    p.light = (1 - p.lightB) / 2;
    p.angle = g_.hasDirectionFields() ? g_.angle[cell] : 0;
    const double v = clampUnit(profile_(profileParameter(c, verticalFraction, p.depthTerm)));
    p.profile = pattern_.apply(v, r, c);

    const double w = clampUnit(material_(p));
    const Colour base = base_.at(r, c);
    PixelMap<int16_t>& colour = render_.layer.colour;
    const size_t entry = colourEntry(colour, g_.stride, r, c);
    colour[entry] = shadeChannel(w, base.blue);
    colour[entry + 1] = shadeChannel(w, base.green);
    colour[entry + 2] = shadeChannel(w, base.red);
  }

  Render& render_;
  const Geometry& g_;
  BaseColour base_;
  SurfacePattern pattern_;
  MaterialShader material_;
  CubicSpline profile_;
};

}  // namespace

void shadeSurface(Render& render, const TextureTile& texture) {
  SurfaceShader shader(render, texture);
  shader.shade();
}

}  // namespace velloro
