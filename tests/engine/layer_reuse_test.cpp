// A render that takes over what the slot's last render made must give, byte
// for byte, what a render from scratch gives. Each case renders A and then B
// on one engine state, and B alone on a fresh state holding A's layers.
#include <gtest/gtest.h>

#include "action.h"
#include "layer_render.h"

namespace velloro::test {
namespace {

struct Frame {
  ActionArguments args;
  Picture mask{130, 80};
  Picture tile{7, 5};
  bool textured = false;
};

Frame baseFrame() {
  Frame f;
  // Wide margins leave the outer effects room beyond their reach at 20 %.
  f.mask = textMask(130, 80, 26);
  f.mask.fillRectangle(40, 49, 40, 51);
  f.mask.setColour(40, 50, 200, 200, 200);  // a one-pixel gap the render fills
  paintPattern(f.tile);
  ActionArguments& a = f.args;
  a.maskStride = f.mask.stride;
  a.maskRows = f.mask.rows;
  a.material = Material::RimLit;
  a.effectType = EffectType::Outline1;
  a.effectAmount = 40;
  a.effectValue1 = 200;
  a.fillRed = 180;
  a.fillGreen = 120;
  a.knotX = {0, 51, 102, 153, 204, 255};
  a.knotY = {0, 80, 102, 153, 230, 255};
  return f;
}

TextureTile tileOf(Frame& f) {
  TextureTile tile;
  tile.install(f.tile.data(), 2, 1, f.textured ? f.tile.stride : 0, f.tile.rows);
  return tile;
}

// The output's bytes, then the mask's.
std::vector<uint8_t> renderOn(EngineState& state, Frame f) {
  Canvas canvas(150, 96);
  paintPattern(canvas.background);
  state.texture = tileOf(f);
  f.args.mask = f.mask.data();
  f.args.source = canvas.background.data();
  f.args.output = canvas.output.data();
  f.args.outputStride = canvas.output.stride;
  f.args.outputRows = canvas.output.rows;
  runAction(state, f.args);
  state.endRender();
  state.texture.release();
  canvas.output.bytes.insert(canvas.output.bytes.end(), f.mask.bytes.begin(), f.mask.bytes.end());
  return canvas.output.bytes;
}

Reuse reuseOf(const EngineState& state, Frame f) {
  const Render* kept = state.kept(f.args.layerSlot);
  f.args.mask = f.mask.data();
  return kept ? reuseFor(kept->record, f.args, tileOf(f), true) : Reuse::kNothing;
}

using Change = void (*)(Frame&);
struct ReuseCase {
  const char* name;
  Change first;   // A from the base frame
  Change second;  // B from A
  Reuse expected;
  Change earlier = nullptr;  // a frame rendered before A, from A
};

void none(Frame&) {}
void shadow(Frame& f) { f.args.effectType = EffectType::DropShadow; }
template <EffectType kEffect>
void atOneFifth(Frame& f) {
  f.args.effectType = kEffect;
  f.args.effectAmount = 20;
}
void textured(Frame& f) { f.textured = true; }
void halfAmount(Frame& f) { f.args.effectAmount = 50; }

const ReuseCase kCases[] = {
    {"smoothing size", none, [](Frame& f) { f.args.smoothingSize = 150; }, Reuse::kNothing},
    {"one mask pixel", none, [](Frame& f) { f.mask.setDark(3, 3); }, Reuse::kNothing},
    {"slot", none, [](Frame& f) { f.args.layerSlot = 2; }, Reuse::kNothing},
    {"engraved amount", atOneFifth<EffectType::Engraved>,
     [](Frame& f) { f.args.effectAmount = 80; }, Reuse::kElement},
    {"engraved amount again", atOneFifth<EffectType::Engraved>,
     [](Frame& f) { f.args.effectAmount = 80; }, Reuse::kElement, halfAmount},
    {"engraved off again", atOneFifth<EffectType::Engraved>,
     [](Frame& f) { f.args.effectAmount = 0; }, Reuse::kElement, halfAmount},
    {"glow after engraved", atOneFifth<EffectType::Engraved>,
     [](Frame& f) { f.args.effectType = EffectType::Glow; }, Reuse::kElement, halfAmount},
    {"raised amount", atOneFifth<EffectType::Raised>, [](Frame& f) { f.args.effectAmount = 80; },
     Reuse::kOutline},
    {"raised amount again", atOneFifth<EffectType::Raised>,
     [](Frame& f) { f.args.effectAmount = 80; }, Reuse::kOutline, halfAmount},
    {"raised on plain", [](Frame& f) { f.args.material = Material::Profile; },
     [](Frame& f) { f.args.effectType = EffectType::Raised; }, Reuse::kNothing},
    {"material that reads light", [](Frame& f) { f.args.material = Material::Profile; },
     [](Frame& f) { f.args.material = Material::Gold; }, Reuse::kNothing},
    {"material", none, [](Frame& f) { f.args.material = Material::Steel; }, Reuse::kGeometry},
    {"pattern", none, [](Frame& f) { f.args.surfacePattern = SurfacePatternType::Grain; },
     Reuse::kGeometry},
    {"curve axis", none, [](Frame& f) { f.args.curveAxis = CurveAxis::LeftToRight; },
     Reuse::kGeometry},
    {"knot x", none, [](Frame& f) { f.args.knotX[2] = 140; }, Reuse::kGeometry},
    {"knot y", none, [](Frame& f) { f.args.knotY[3] = 20; }, Reuse::kGeometry},
    {"fill red", none, [](Frame& f) { f.args.fillRed = 0; }, Reuse::kGeometry},
    {"fill green", none, [](Frame& f) { f.args.fillGreen = 250; }, Reuse::kGeometry},
    {"fill blue", none, [](Frame& f) { f.args.fillBlue = 250; }, Reuse::kGeometry},
    {"outline amount", none, [](Frame& f) { f.args.effectAmount = 70; }, Reuse::kGeometry},
    {"outline red", none, [](Frame& f) { f.args.effectValue1 = 0; }, Reuse::kGeometry},
    {"outline green", none, [](Frame& f) { f.args.effectValue2 = 250; }, Reuse::kGeometry},
    {"outline blue", none, [](Frame& f) { f.args.effectValue3 = 250; }, Reuse::kGeometry},
    {"outer effect", none, [](Frame& f) { f.args.effectType = EffectType::Glow; },
     Reuse::kGeometry},
    {"texture byte", textured, [](Frame& f) { f.tile.bytes[40] ^= 0x80; }, Reuse::kGeometry},
    {"texture off", textured, [](Frame& f) { f.textured = false; }, Reuse::kGeometry},
    {"deformation type", [](Frame& f) { f.args.deformationAmount = 80; },
     [](Frame& f) { f.args.deformationType = DeformationType::Curve; }, Reuse::kLayer},
    {"deformation amount", [](Frame& f) { f.args.deformationType = DeformationType::Rotate; },
     [](Frame& f) { f.args.deformationAmount = 80; }, Reuse::kLayer},
    {"column offset", none, [](Frame& f) { f.args.columnOffset = 9; }, Reuse::kLayer},
    {"row offset", none, [](Frame& f) { f.args.rowOffset = 1; }, Reuse::kLayer},
    {"shadow", none, shadow, Reuse::kElement},
    {"shadow off", shadow, [](Frame& f) { f.args.effectType = EffectType::NoContour; },
     Reuse::kLayer},
    {"shadow amount", shadow, [](Frame& f) { f.args.effectAmount = 90; }, Reuse::kLayer},
    {"shadow x", shadow, [](Frame& f) { f.args.effectValue1 = 70; }, Reuse::kLayer},
    {"shadow y", shadow, [](Frame& f) { f.args.effectValue2 = 70; }, Reuse::kLayer},
};

TEST(LayerReuse, EveryChangeGivesWhatARenderFromScratchGives) {
  for (const ReuseCase& c : kCases) {
    SCOPED_TRACE(c.name);
    Frame a = baseFrame();
    c.first(a);
    Frame b = a;
    c.second(b);
    EngineState reused;
    reused.workers.minimumItemsPerThread = 1;  // split as a large render is
    if (c.earlier != nullptr) {
      Frame earlier = a;
      c.earlier(earlier);
      renderOn(reused, earlier);
    }
    const std::vector<uint8_t> first = renderOn(reused, a);
    EngineState fresh;
    fresh.slots = reused.slots;
    EXPECT_EQ(reuseOf(reused, b), c.expected);
    const std::vector<uint8_t> second = renderOn(reused, b);
    EXPECT_TRUE(second != first);  // the change shows
    EXPECT_TRUE(second == renderOn(fresh, b));
  }
}

}  // namespace
}  // namespace velloro::test
