// Paints the outer effect into the background pixels around the element:
// engraving shade, lit raised border, outlines or glow. Reach is measured in
// square pixels from the element's outline and limited by the room the mask
// leaves around the element.
#include <algorithm>
#include <cmath>

#include "base_colour.h"
#include "colour_map.h"
#include "layer_steps.h"
#include "truncation.h"
#include "workers.h"

namespace velloro {
namespace {

constexpr double kMaximumReach = 1000;       // square pixels
constexpr double kMaximumRaisedReach = 150;  // square pixels

// Square of the smallest distance between the element and the mask border,
// capped (the cap in square design pixels); 0 when the element touches the
// border. The distance counts whole design pixels: a design pixel at least
// half covered by the element is the element's, so a denser margin rounds
// to the nearest design pixel, halves down.
double reachLimit(const Geometry& g) {
  const BoundingBox& box = g.box;
  const int32_t pixels =
      std::min({box.minColumn, g.width - box.maxColumn, box.minRow, g.height - box.maxRow});
  const int32_t margin = (pixels + (g.density - 1) / 2) / g.density * g.density;
  const double m = (100 * static_cast<int64_t>(margin)) * 0.01;
  return std::min(m * m, kMaximumReach * g.density * g.density);
}

struct EffectPixel {
  int32_t row;
  int32_t column;
  size_t cell;
  float squaredDistance;  // square pixels
};

class OuterEffect {
 public:
  OuterEffect(Render& render, const TextureTile& texture)
      : render_(render),
        g_(render.geometry),
        base_(render, texture),
        amount_(render.args.effectAmount),
        density_(render.geometry.density) {
    const ActionArguments& a = render.args;
    effectColour_ = {a.effectValue3, a.effectValue2, a.effectValue1};
  }

  void paint() {
    limit_ = reachLimit(g_);
    if (limit_ <= 0) return;
    if (render_.args.effectType == EffectType::Raised)
      limit_ = std::min(limit_, kMaximumRaisedReach * density_ * density_);
    // Worked out once here rather than for every pixel: the square root
    // costs as much as the rest of a pixel's paint.
    reach_ = limit_ * amount_ / 100;
    reachRoot_ = std::sqrt(reach_);
    switch (render_.args.effectType) {
      case EffectType::Engraved:
        forEachPixelInReach([&](const EffectPixel& p) { engrave(p); });
        break;
      case EffectType::Raised: forEachPixelInReach([&](const EffectPixel& p) { raise(p); }); break;
      case EffectType::Outline1:
        forEachPixelInReach([&](const EffectPixel& p) { outline(p); });
        break;
      case EffectType::Outline2: forEachPixelInReach([&](const EffectPixel& p) { ring(p); }); break;
      case EffectType::Glow: forEachPixelInReach([&](const EffectPixel& p) { glow(p); }); break;
      default: break;
    }
  }

 private:
  // A pixel's paint reads the geometry and writes the maps at that pixel
  // alone, so the rows are split between the workers.
  template <typename Paint>
  void forEachPixelInReach(Paint paint) {
    const Region& region = g_.region;
    const int32_t firstRow = region.startRow + 2;
    const int64_t rows = std::max(region.endRow - firstRow, 0);
    const int64_t columns = std::max(region.endColumn - region.startColumn - 2, 0);
    const int32_t threads = partsFor(render_.workers, static_cast<size_t>(rows * columns));
    const int32_t parts = piecesFor(threads);
    runPieces(parts, threads, [&](int32_t part) {
      paintRows(firstRow + static_cast<int32_t>(partStart(rows, part, parts)),
                firstRow + static_cast<int32_t>(partStart(rows, part + 1, parts)), paint);
    });
  }

  template <typename Paint>
  void paintRows(int32_t firstRow, int32_t endRow, Paint& paint) const {
    const Region& region = g_.region;
    const float scaleSquared = static_cast<float>(g_.scale * g_.scale);
    for (int32_t r = firstRow; r < endRow; ++r) {
      render_.workers.stopPoint();
      for (int32_t c = region.startColumn + 2; c < region.endColumn; ++c) {
        if (render_.isDark(r, c)) continue;
        const size_t cell = g_.cell(r, c);
        const float squared = static_cast<float>(g_.distance[cell]) / scaleSquared;
        if (squared / limit_ > 1) continue;
        paint(EffectPixel{r, c, cell, squared});
      }
    }
  }

  void engrave(const EffectPixel& p) {
    const double ratio = p.squaredDistance / reach_;
    if (ratio > 1) return;
    const double q = std::sqrt(std::max(ratio, 0.0));
    const double distance = std::sqrt(static_cast<double>(p.squaredDistance));
    // Full depth well inside the reach, fading out over its last 16 design pixels.
    const double fadeWidth = 16.0 * density_;
    const double fade = distance < reachRoot_ - fadeWidth ? 1 : (reachRoot_ - distance) / fadeWidth;
    render_.layer.engraving[p.cell] =
        truncateToByte(100 * (fade * std::min(q, 0.5) + (1 - fade) * 0.5));
  }

  void raise(const EffectPixel& p) {
    const double ratio = p.squaredDistance / reach_;
    if (ratio > 1) return;
    const double q = std::pow(std::max(ratio, 0.0), 0.25);
    const double light = std::min(0.15 + 0.375 * (g_.lightB[p.cell] + 1), 1.0);
    const double v = q * light + (1 - q) * 0.5;
    const Colour base = base_.at(p.row, p.column);
    const Colour lit{shadeChannel(v, base.blue), shadeChannel(v, base.green),
                     shadeChannel(v, base.red)};
    const double distance = std::sqrt(static_cast<double>(p.squaredDistance));
    const double edgeWidth = 2.0 * density_;
    const double coverage =
        distance < reachRoot_ - edgeWidth ? 1 : (reachRoot_ - distance) / edgeWidth;
    store(p, lit, coverage);
  }

  void outline(const EffectPixel& p) {
    const double distance = std::sqrt(static_cast<double>(p.squaredDistance));
    store(p, effectColour_, (reachRoot_ - distance) / (2.0 * density_));
  }

  // A ring at the reach: soft outer edge, solid core, soft inner edge.
  void ring(const EffectPixel& p) {
    const double e = reachRoot_;
    const double two = 2.0 * density_;
    const double edge = std::clamp(e - 2 * two, 0.0, two);
    const double core = std::clamp(e - 3 * two, 0.0, two);
    const double distance = std::sqrt(static_cast<double>(p.squaredDistance));
    double coverage;
    if (distance >= e - edge) {
      // Below four pixels of reach there is no edge, so no ring.
      coverage = edge > 0 ? (e - distance) / edge : 0;
    } else if (distance >= e - edge - core) {
      coverage = 1;
    } else if (distance >= e - core - 2 * edge) {
      coverage = (distance - e + core + 2 * edge) / edge;
    } else {
      return;
    }
    store(p, effectColour_, coverage);
  }

  void glow(const EffectPixel& p) {
    const double spread = std::sqrt(p.squaredDistance / reach_);
    render_.layer.transparency[p.cell] = truncateToByte(100 * std::clamp(spread, 0.0, 1.0));
    storeColour(p, effectColour_);
  }

  void store(const EffectPixel& p, const Colour& colour, double coverage) {
    render_.layer.transparency[p.cell] = truncateToByte(100 * (1 - clampUnit(coverage)));
    storeColour(p, colour);
  }

  void storeColour(const EffectPixel& p, const Colour& colour) {
    PixelMap<int16_t>& map = render_.layer.colour;
    const size_t at = colourEntry(map, g_.stride, p.row, p.column);
    map[at] = static_cast<int16_t>(std::clamp(colour.blue, INT16_MIN, INT16_MAX));
    map[at + 1] = static_cast<int16_t>(std::clamp(colour.green, INT16_MIN, INT16_MAX));
    map[at + 2] = static_cast<int16_t>(std::clamp(colour.red, INT16_MIN, INT16_MAX));
  }

  Render& render_;
  const Geometry& g_;
  BaseColour base_;
  int32_t amount_;
  int32_t density_;
  Colour effectColour_;
  double limit_ = 0;  // G, square pixels
  double reach_ = 0;  // square pixels: the limit at the effect's amount
  double reachRoot_ = 0;
};

}  // namespace

void paintOuterEffect(Render& render, const TextureTile& texture) {
  if (render.args.effectAmount == 0) return;
  OuterEffect effect(render, texture);
  effect.paint();
}

}  // namespace velloro
