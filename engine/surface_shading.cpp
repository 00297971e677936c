// Shades every inside pixel from the profile curve, the surface pattern, the
// light maps and its depth under the chosen material.
#include <algorithm>
#include <cmath>
#include <vector>

#include "base_colour.h"
#include "colour_map.h"
#include "layer_steps.h"
#include "materials.h"
#include "spline.h"
#include "surface_patterns.h"
#include "truncation.h"
#include "workers.h"

namespace velloro {
namespace {

class SurfaceShader {
 public:
  SurfaceShader(Render& render, const TextureTile& texture)
      : render_(render),
        g_(render.geometry),
        base_(render, texture),
        pattern_(render.args.surfacePattern),
        material_(materialShader(toInt(render.args.material))),
        rowWide_(shadesRowWide(render.args) && base_.isUniform()),
        centring_((g_.density - 1) / 2.0) {
    // Without a profile curve every lookup runs on zero knots.
    const SurfacePatternType pattern = render.args.surfacePattern;
    if (pattern >= SurfacePatternType::None && pattern <= SurfacePatternType::Ripples)
      profile_ = profileSpline(render.args);
    const BoundingBox& box = g_.box;
    if (render.args.curveAxis == CurveAxis::LeftToRight) {
      for (int32_t c = box.minColumn; c < box.maxColumn; ++c) {
        const double across = (c - box.minColumn - centring_) / (box.maxColumn - box.minColumn);
        columnProfiles_.push_back(clampUnit(profile_(across)));
      }
    }
  }

  // Pixels are shaded independently unless the surface pattern draws
  // random numbers, whose sequence runs over the pixels in order; without
  // one the rows are split between the workers.
  void shade() {
    const BoundingBox& box = g_.box;
    const int64_t rows = std::max(box.maxRow - box.minRow, 0);
    const int64_t columns = std::max(box.maxColumn - box.minColumn, 0);
    const SurfacePatternType pattern = render_.args.surfacePattern;
    const bool random =
        pattern == SurfacePatternType::Streaks || pattern == SurfacePatternType::Grain;
    const int32_t threads =
        random ? 1 : partsFor(render_.workers, static_cast<size_t>(rows * columns));
    const int32_t parts = piecesFor(threads);
    // The shaded pixels are the element's: rows are shared out by them.
    std::vector<int64_t> rowPixels(static_cast<size_t>(rows), 0);
    for (int64_t i = 0; i < rows; ++i) {
      const int64_t r = box.minRow + i;
      if (r >= 0 && r < static_cast<int64_t>(g_.darkInRow.size()))
        rowPixels[static_cast<size_t>(i)] = g_.darkInRow[static_cast<size_t>(r)];
    }
    const std::vector<int64_t> starts = balancedStarts(rowPixels, parts);
    runPieces(parts, threads, [&](int32_t part) {
      SurfaceShader shader = *this;
      shader.shadeRows(box.minRow + static_cast<int32_t>(starts[static_cast<size_t>(part)]),
                       box.minRow + static_cast<int32_t>(starts[static_cast<size_t>(part) + 1]));
    });
  }

 private:
  void shadeRows(int32_t firstRow, int32_t endRow) {
    const BoundingBox& box = g_.box;
    for (int32_t r = firstRow; r < endRow; ++r) {
      render_.workers.stopPoint();
      const double verticalFraction = (r - box.minRow - centring_) / (box.maxRow - box.minRow);
      const double rowProfile = clampUnit(
          profile_(render_.args.curveAxis == CurveAxis::TopToBottom ? 1 - verticalFraction : 0.5));
      if (rowWide_) {
        shadeRowWide(r, rowProfile);
        continue;
      }
      for (int32_t c = box.minColumn; c < box.maxColumn; ++c) {
        if (render_.isDark(r, c)) shadePixel(r, c, verticalFraction, rowProfile);
      }
    }
  }

  // The profile material reads the profile value alone; without a surface
  // pattern and along the vertical axis that value, and with one fill
  // colour the shaded colour, are the same for the whole row.
  static bool shadesRowWide(const ActionArguments& args) {
    const bool patterned = args.surfacePattern == SurfacePatternType::Streaks ||
                           args.surfacePattern == SurfacePatternType::Grain ||
                           args.surfacePattern == SurfacePatternType::Ripples;
    const bool alongRow =
        args.curveAxis != CurveAxis::LeftToRight && args.curveAxis != CurveAxis::CentreToEdge;
    return args.material == Material::Profile && !patterned && alongRow;
  }

  void shadeRowWide(int32_t r, double rowProfile) {
    const double w = clampUnit(rowProfile);
    const Colour base = base_.at(r, g_.box.minColumn);
    const int16_t shaded[3] = {shadeChannel(w, base.blue), shadeChannel(w, base.green),
                               shadeChannel(w, base.red)};
    PixelMap<int16_t>& colour = render_.layer.colour;
    // A row of the mask addresses its cells and colour entries directly.
    const bool inMask =
        r >= 0 && r < g_.height && g_.box.minColumn >= 0 && g_.box.maxColumn <= g_.width;
    const size_t rowCell = inMask ? static_cast<size_t>(r) * static_cast<size_t>(g_.width) : 0;
    const size_t rowEntry = inMask ? static_cast<size_t>(r) * static_cast<size_t>(g_.stride) : 0;
    for (int32_t c = g_.box.minColumn; c < g_.box.maxColumn; ++c) {
      if (!render_.isDark(r, c)) continue;
      storeDepth(inMask ? rowCell + static_cast<size_t>(c) : g_.cell(r, c));
      const size_t entry =
          inMask ? rowEntry + 3 * static_cast<size_t>(c) : colourEntry(colour, g_.stride, r, c);
      colour[entry] = shaded[0];
      colour[entry + 1] = shaded[1];
      colour[entry + 2] = shaded[2];
    }
  }

  // The pixel's depth relative to the deepest, stored as a byte; returns it.
  double storeDepth(size_t cell) {
    const double squaredDistance = g_.distance[cell];
    const double maximum = g_.maxSquaredDistance;
    const double depth = maximum == 0 ? 1 : std::min(squaredDistance / maximum, 1.0);
    render_.layer.depth[cell] = truncateToByte(depth * 255);
    return depth;
  }

  // The profile value before the surface pattern: by depth it differs per
  // pixel, along the other axes it is worked out once per row or column.
  double profileValue(int32_t c, double rowProfile, double depthTerm) const {
    switch (render_.args.curveAxis) {
      case CurveAxis::LeftToRight:
        return columnProfiles_[static_cast<size_t>(c - g_.box.minColumn)];
      case CurveAxis::CentreToEdge: return clampUnit(profile_(depthTerm));
      default: return rowProfile;
    }
  }

  void shadePixel(int32_t r, int32_t c, double verticalFraction, double rowProfile) {
    const size_t cell = g_.cell(r, c);
    const double squaredDistance = g_.distance[cell];
    const double depth = storeDepth(cell);

    ShadingPoint p;
    p.rootDepth = std::sqrt(depth);
    p.depthTerm = 1 - p.rootDepth;
    p.edgeDistance = std::sqrt(squaredDistance) / (g_.scale * g_.density);
    p.verticalFraction = verticalFraction;
    p.density = g_.density;
    // Without direction fields the material reads no light.
    p.lightA = g_.hasDirectionFields() ? g_.lightA[cell] : 0;
    p.lightB = g_.hasDirectionFields() ? g_.lightB[cell] : 0;
    p.light = (1 - p.lightB) / 2;
    p.angle = g_.hasDirectionFields() ? g_.angle[cell] : 0;
    // The pattern's cells are design pixels.
    p.profile =
        pattern_.apply(profileValue(c, rowProfile, p.depthTerm), r / g_.density, c / g_.density);

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
  std::vector<double> columnProfiles_;  // left to right: per column of the box
  bool rowWide_;                        // whether every inside pixel of a row takes the same colour
  // A pixel of density 1 is shaded at its first row and column, which its
  // denser block's rows and columns average to only once moved this many
  // pixels back.
  double centring_;
};

}  // namespace

void shadeSurface(Render& render, const TextureTile& texture) {
  SurfaceShader shader(render, texture);
  shader.shade();
}

}  // namespace velloro
