// A render at density N of a mask N times as large is the design of density
// 1 at N times the pixels: shrunk back by N with a box filter it differs
// from the render at density 1 by at most 4 of 255 on average, for every
// outside effect, the plain material, steel, gold, both deformations and a
// texture fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "layer_render.h"
#include "materials.h"
#include "text_like_mask.h"

namespace velloro::test {
namespace {

// The design at density 1: a 440 x 160 title with 24 pixels of room in its
// mask, on a canvas with 40 pixels more on every side.
constexpr int32_t kWidth = 440, kRows = 160, kMaskRoom = 24, kCanvasRoom = 40;
constexpr double kLargestMeanDifference = 4;
constexpr double kLargestPlainDifference = 2.9;

struct DensityCase {
  std::string name;
  LayerSettings settings;
  bool textured = false;
  double largestMean = kLargestMeanDifference;
};

// The title placed in the canvas's room, with a profile of its own.
const LayerSettings kPlaced{.columnOffset = kCanvasRoom,
                            .rowOffset = kCanvasRoom,
                            .smoothingSize = 60,
                            .curveAxis = toInt(CurveAxis::TopToBottom),
                            .fillRed = 40,
                            .fillGreen = 110,
                            .fillBlue = 190,
                            .knotX = {0, 50, 100, 150, 200, 255},
                            .knotY = {40, 130, 200, 230, 180, 90}};

std::vector<DensityCase> densityCases() {
  std::vector<DensityCase> cases;
  const auto add = [&cases](std::string name, double largestMean, auto change) {
    LayerSettings s = kPlaced;
    change(s);
    cases.push_back({std::move(name), s, false, largestMean});
  };
  const char* effects[] = {"no contour", "drop shadow", "cast shadow", "engraved",
                           "raised",     "outline 1",   "outline 2",   "glow"};
  for (int32_t effect = 0; effect < 8; ++effect)
    add(std::string("effect ") + effects[effect], kLargestMeanDifference,
        [effect](LayerSettings& s) {
          const bool shadow =
              effect == toInt(EffectType::DropShadow) || effect == toInt(EffectType::CastShadow);
          s.effectType = effect;
          s.effectAmount = 60;
          std::tie(s.effectValue1, s.effectValue2, s.effectValue3) =
              shadow ? std::tuple(35, 65, 30) : std::tuple(230, 40, 30);
        });
  // The plain material by depth, steel and gold with profiles of their own.
  add("material 0", kLargestPlainDifference,
      [](LayerSettings& s) { s.curveAxis = toInt(CurveAxis::CentreToEdge); });
  add("material 6", kLargestMeanDifference, [](LayerSettings& s) {
    s.material = 6;
    s.knotX = {0, 40, 90, 150, 210, 255};
    s.knotY = {60, 210, 90, 225, 120, 40};
  });
  add("material 7", kLargestMeanDifference, [](LayerSettings& s) {
    s.material = 7;
    s.knotY = {80, 180, 240, 200, 140, 70};
  });
  add("arc", kLargestMeanDifference, [](LayerSettings& s) {
    s.deformationType = toInt(DeformationType::Curve);
    s.deformationAmount = 30;
  });
  add("rotate", kLargestMeanDifference, [](LayerSettings& s) {
    s.deformationType = toInt(DeformationType::Rotate);
    s.deformationAmount = 4;
  });
  cases.push_back({"texture fill", kPlaced, true});
  return cases;
}

// The masks of every density are taken from one drawing 12 times as fine as
// density 1 (12 is a multiple of every density), each pixel as much darker
// as its block is covered, as a title's letters are drawn anew at each
// density with their edges in grey.
constexpr int32_t kFine = 12;

const Picture& fineMask() {
  static const Picture fine = [] {
    Picture mask(kWidth * kFine, kRows * kFine);
    mask.bytes = bench::textLikeMask(mask.width, mask.rows, kMaskRoom * kFine).bytes;
    return mask;
  }();
  return fine;
}

Picture textMaskAt(int32_t density) {
  const Picture& fine = fineMask();
  const int32_t block = kFine / density;
  Picture mask(kWidth * density, kRows * density);
  for (int32_t r = 0; r < mask.rows; ++r)
    for (int32_t c = 0; c < mask.width; ++c) {
      int32_t inside = 0;
      for (int32_t i = 0; i < block * block; ++i)
        inside += fine.isDark(r * block + i / block, c * block + i % block);
      const auto grey =
          static_cast<uint8_t>(255 - (255 * inside + block * block / 2) / (block * block));
      mask.setColour(r, c, grey, grey, grey);
    }
  return mask;
}

Picture renderedAt(int32_t density, Picture mask, const DensityCase& c, uint8_t background = 255) {
  const Picture texture = patternedPicture(13, 9, 37, 180, 40);
  Canvas canvas((kWidth + 2 * kCanvasRoom) * density, (kRows + 2 * kCanvasRoom) * density,
                background);
  LayerSettings s = c.settings;
  s.columnOffset *= density;
  s.rowOffset *= density;
  VelloroEngine* engine = ENGINE_NEW(2);
  engineTexture(engine, c.textured ? &texture : nullptr);
  EXPECT_EQ(engineAction(engine, density, canvas, mask, s), ENGINE_DONE);
  ENGINE_DESTRUCTION(engine);
  ENGINE_FREE(engine);
  return canvas.output;
}

struct Difference {
  double mean = 0;  // per channel, over the box of what either picture drew
  int32_t largest = 0;
};

Difference shrunkDifference(const Picture& small, const Picture& dense, int32_t density) {
  const auto shrunk = [&](int32_t r, int32_t c, int32_t channel) {
    int32_t sum = 0;
    for (int32_t i = 0; i < density * density; ++i)
      sum += dense.at(r * density + i / density, c * density + i % density)[channel];
    return (sum + density * density / 2) / (density * density);
  };
  int32_t top = small.rows, bottom = -1, left = small.width, right = -1;
  for (int32_t r = 0; r < small.rows; ++r)
    for (int32_t c = 0; c < small.width; ++c)
      for (int32_t channel = 0; channel < 3; ++channel)
        if (small.at(r, c)[channel] != 255 || shrunk(r, c, channel) != 255) {
          top = std::min(top, r), bottom = std::max(bottom, r);
          left = std::min(left, c), right = std::max(right, c);
        }
  Difference d;
  if (bottom < 0) return d;
  double sum = 0;
  for (int32_t r = top; r <= bottom; ++r)
    for (int32_t c = left; c <= right; ++c)
      for (int32_t channel = 0; channel < 3; ++channel) {
        const int32_t gap = std::abs(small.at(r, c)[channel] - shrunk(r, c, channel));
        sum += gap;
        d.largest = std::max(d.largest, gap);
      }
  d.mean = sum / (3.0 * (bottom - top + 1) * (right - left + 1));
  return d;
}

TEST(Density, ADenserRenderShrunkBackIsTheDesignOfDensityOne) {
  for (int32_t density : {2, 3, 4}) {
    const Picture dense = textMaskAt(density);
    const Picture small = textMaskAt(1);
    for (const DensityCase& c : densityCases()) {
      const Difference d =
          shrunkDifference(renderedAt(1, small, c), renderedAt(density, dense, c), density);
      std::printf("%-18s %dx  mean %5.2f  largest %3d\n", c.name.c_str(), density, d.mean,
                  d.largest);
      EXPECT_LE(d.mean, c.largestMean) << c.name << " at " << density << "x";
    }
  }
}

// The soft edge lies outside the element at every density: none of the
// element's own pixels lets the background through, so each is drawn alike
// on white and on black.
TEST(Density, TheSoftEdgeLeavesTheElementOpaque) {
  const DensityCase plain = densityCases().front();
  for (int32_t density : {1, 2, 3, 4}) {
    const Picture mask = textMaskAt(density);
    const Picture onWhite = renderedAt(density, mask, plain, 255);
    const Picture onBlack = renderedAt(density, mask, plain, 0);
    const int32_t room = kCanvasRoom * density;
    int32_t seeThrough = 0;
    for (int32_t r = 0; r < mask.rows; ++r)
      for (int32_t c = 0; c < mask.width; ++c)
        if (mask.isDark(r, c) && onWhite.at(r + room, c + room) != onBlack.at(r + room, c + room))
          ++seeThrough;
    EXPECT_EQ(seeThrough, 0) << "density " << density;
  }
}

// How much of the profile steel or gold shows at a distance from the
// outline: the change of its shade per change of the profile value.
double profileShare(int32_t material, int32_t density, double designDistance) {
  ShadingPoint p{.profile = 0.2,
                 .light = 0.4,
                 .lightA = 0.3,
                 .lightB = 0.2,
                 .angle = 0.6,
                 .edgeDistance = designDistance,
                 .verticalFraction = 0.3,
                 .density = density};
  const double low = materialShader(material)(p);
  p.profile = 0.7;
  return (materialShader(material)(p) - low) / 0.5;
}

// At density 1 the metals fade into the profile over the fifth pixel from the
// outline, so along a straight outline, where pixels lie whole pixels in,
// the fourth shows none of it and the fifth all. The pixels of a denser
// block, spread across its design pixel, average to the same share.
TEST(Density, TheMetalsFadeIntoTheProfileWhereDensityOneDoes) {
  const struct {
    double distance;
    double share;
  } densityOne[] = {{3, 0}, {4, 0}, {4.25, 0.25}, {4.5, 0.5}, {5, 1}, {6, 1}};
  for (int32_t material : {6, 7}) {
    for (const auto& row : densityOne)
      EXPECT_NEAR(profileShare(material, 1, row.distance), row.share, 1e-9)
          << "material " << material << " at " << row.distance;
    for (int32_t density : {2, 3, 4})
      for (int32_t whole = 3; whole <= 6; ++whole) {
        double sum = 0;
        for (int32_t i = 0; i < density; ++i)
          sum += profileShare(material, density, whole + (i + 0.5) / density - 0.5);
        EXPECT_NEAR(sum / density, profileShare(material, 1, whole), 1e-9)
            << "material " << material << " at " << whole << ", density " << density;
      }
  }
}

// Chrome's shade at a distance from the outline, its other terms held.
double chromeShade(int32_t density, double designDistance) {
  const ShadingPoint p{.profile = 0.3,
                       .light = 0.7,
                       .lightA = 0.2,
                       .lightB = 0.5,
                       .angle = 0.6,
                       .rootDepth = 0.25,
                       .depthTerm = 0.75,
                       .edgeDistance = designDistance,
                       .density = density};
  return materialShader(5)(p);
}

// Chrome's rim slopes down to its level at the third pixel from the outline
// at density 1 and stays there; the pixels of a denser block average to
// density 1's shade at every whole distance, the third included.
TEST(Density, TheChromeRimEndsWhereDensityOneEnds) {
  EXPECT_GT(std::abs(chromeShade(1, 2) - chromeShade(1, 3)), 0.01);
  for (const double beyond : {3.25, 4.0, 6.0})
    EXPECT_NEAR(chromeShade(1, beyond), chromeShade(1, 3), 1e-12) << beyond;
  for (int32_t density : {2, 3, 4})
    for (int32_t whole = 1; whole <= 6; ++whole) {
      double sum = 0;
      for (int32_t i = 0; i < density; ++i)
        sum += chromeShade(density, whole + (i + 0.5) / density - 0.5);
      EXPECT_NEAR(sum / density, chromeShade(1, whole), 1e-9)
          << "at " << whole << ", density " << density;
    }
}

}  // namespace
}  // namespace velloro::test
