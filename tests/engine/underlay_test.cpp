// Underlays: outside effects laid under a slot's own layer, each without the
// element, dropped when the stack becomes shorter; bad numbers refused.
#include <gtest/gtest.h>

#include <memory>

#include "layer_render.h"

namespace velloro::test {
namespace {

constexpr int32_t kWidth = 120;
constexpr int32_t kRows = 60;
// The rectangle leaves 20 pixels above it, the least room: an effect of
// amount 50 reaches sqrt(200), about 14 pixels.
constexpr int32_t kTop = 20, kLeft = 30, kBottom = 39, kRight = 89;
constexpr Bgr kGreen{0, 200, 0};

struct Engine {
  VelloroEngine* handle = ENGINE_NEW(1);
  ~Engine() { ENGINE_FREE(handle); }
};

LayerSettings outlined(Bgr colour) {
  LayerSettings s;
  s.effectType = toInt(EffectType::Outline1);
  s.effectValue1 = colour[2];
  s.effectValue2 = colour[1];
  s.effectValue3 = colour[0];
  return s;
}

LayerSettings dropShadow() {
  LayerSettings s;
  s.effectType = toInt(EffectType::DropShadow);
  s.effectAmount = 100;
  s.effectValue1 = 70;  // right
  s.effectValue2 = 70;  // down
  return s;
}

void renderOn(VelloroEngine* engine, int32_t underlay, Canvas& canvas, const LayerSettings& s) {
  ASSERT_EQ(ENGINE_UNDERLAY(engine, underlay), ENGINE_DONE);
  Picture mask = rectangleMask(kWidth, kRows, kTop, kLeft, kBottom, kRight);
  ASSERT_EQ(ENGINE_ACTION(engine, 1, mask.data(), canvas.background.data(), canvas.output.data(),
                          mask.stride, mask.rows, canvas.output.stride, canvas.output.rows,
                          s.columnOffset, s.rowOffset, s.smoothingSize, s.surfacePattern,
                          s.curveAxis, s.material, s.deformationType, s.effectType,
                          s.deformationAmount, s.effectAmount, s.effectValue1, s.effectValue2,
                          s.effectValue3, s.fillRed, s.fillGreen, s.fillBlue, s.layerSlot,
                          s.knotX[0], s.knotX[1], s.knotX[2], s.knotX[3], s.knotX[4], s.knotX[5],
                          s.knotY[0], s.knotY[1], s.knotY[2], s.knotY[3], s.knotY[4], s.knotY[5]),
            ENGINE_DONE);
  ASSERT_EQ(ENGINE_DESTRUCTION(engine), ENGINE_DONE);
}

// Lays the object's stored layers over the background: a render into no
// slot of a mask without an element, as a painting of the stored layers is.
void composite(VelloroEngine* engine, Canvas& canvas) {
  LayerSettings s;
  s.layerSlot = 0;
  ASSERT_EQ(ENGINE_UNDERLAY(engine, 0), ENGINE_DONE);
  Picture blank(4, 4);
  ASSERT_EQ(ENGINE_ACTION(engine, 1, blank.data(), canvas.background.data(), canvas.output.data(),
                          blank.stride, blank.rows, canvas.output.stride, canvas.output.rows, 0, 0,
                          s.smoothingSize, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 51, 102,
                          153, 204, 255, 0, 51, 102, 153, 204, 255),
            ENGINE_DONE);
  ASSERT_EQ(ENGINE_DESTRUCTION(engine), ENGINE_DONE);
}

// What a layer lays at a few places: deep inside the element, three pixels
// above and left of it (inside an outline's reach), and far below right.
struct Places {
  Bgr inside;
  Bgr nearOutside;
  Bgr farOutside;
};

Places placesOf(const Canvas& canvas) {
  return {canvas.at(30, 60), canvas.at(kTop - 3, kLeft - 3), canvas.at(kRows - 2, kWidth - 2)};
}

TEST(Underlays, LayTheOutsideEffectWithoutTheElement) {
  struct Case {
    const char* name;
    LayerSettings effect;
    Bgr nearOutside;
  };
  const Case cases[] = {
      {"outline", outlined(kRed), kRed},
      {"second outline colour", outlined(kGreen), kGreen},
      {"no effect", LayerSettings{}, kWhite},
  };
  for (const Case& c : cases) {
    for (int32_t underlay : {1, 7}) {
      Engine engine;
      Canvas canvas(kWidth, kRows);
      paintPattern(canvas.output);
      const std::vector<uint8_t> before = canvas.output.bytes;
      renderOn(engine.handle, underlay, canvas, c.effect);
      // The underlay is only stored: its slot's own render lays it.
      EXPECT_EQ(canvas.output.bytes, before) << c.name;
      composite(engine.handle, canvas);
      const Places laid = placesOf(canvas);
      EXPECT_EQ(laid.inside, kWhite) << c.name << " underlay " << underlay;
      EXPECT_EQ(laid.nearOutside, c.nearOutside) << c.name << " underlay " << underlay;
      EXPECT_EQ(laid.farOutside, kWhite) << c.name << " underlay " << underlay;
    }
  }
}

// The shadow falls six rows and columns off the rectangle, so it darkens
// the element's own place too: there the slot's layer covers it.
TEST(Underlays, CastTheElementsShadowWithoutLayingTheElement) {
  Engine engine;
  Canvas canvas(kWidth, kRows);
  renderOn(engine.handle, 1, canvas, dropShadow());
  composite(engine.handle, canvas);
  const Bgr grey[] = {canvas.at(kTop - 3, kRight + 3), canvas.at(30, 60)};
  for (const Bgr& shaded : grey) {
    EXPECT_LT(shaded[0], 255);
    EXPECT_EQ(shaded, (Bgr{shaded[0], shaded[0], shaded[0]}));
  }
  // The side the shadow falls away from.
  EXPECT_EQ(canvas.at(kTop - 3, kLeft - 3), kWhite);
  EXPECT_EQ(canvas.at(kBottom + 3, kLeft - 3), kWhite);
}

TEST(Underlays, LieUnderTheSlotsOwnLayer) {
  Engine alone;
  Canvas plain(kWidth, kRows);
  renderOn(alone.handle, 0, plain, LayerSettings{});
  Engine stacked;
  Canvas canvas(kWidth, kRows);
  renderOn(stacked.handle, 2, canvas, outlined(kGreen));
  renderOn(stacked.handle, 1, canvas, outlined(kRed));
  renderOn(stacked.handle, 0, canvas, LayerSettings{});
  const Places laid = placesOf(canvas);
  // The element once, as alone; the upper underlay over the lower.
  EXPECT_EQ(laid.inside, plain.at(30, 60));
  EXPECT_EQ(laid.nearOutside, kRed);
  EXPECT_EQ(laid.farOutside, kWhite);
}

TEST(Underlays, DroppedOnesLeaveTheSingleRenderByteForByte) {
  Engine alone;
  Canvas plain(kWidth, kRows);
  paintPattern(plain.background);
  renderOn(alone.handle, 0, plain, outlined(kRed));
  for (int32_t kept : {0, 1}) {
    Engine stacked;
    Canvas canvas(kWidth, kRows);
    paintPattern(canvas.background);
    renderOn(stacked.handle, 2, canvas, dropShadow());
    renderOn(stacked.handle, 1, canvas, outlined(kGreen));
    ASSERT_EQ(ENGINE_KEEP_UNDERLAYS(stacked.handle, 1, kept), ENGINE_DONE);
    // Underlay 1, kept or not, is rendered with nothing to lay.
    renderOn(stacked.handle, 1, canvas, LayerSettings{});
    renderOn(stacked.handle, 0, canvas, outlined(kRed));
    EXPECT_EQ(canvas.output.bytes, plain.output.bytes) << "kept " << kept;
  }
}

TEST(Underlays, OtherNumbersAreRefused) {
  Engine engine;
  for (int32_t underlay : {-1, 8, 255}) {
    EXPECT_EQ(ENGINE_UNDERLAY(engine.handle, underlay), ENGINE_REFUSED) << underlay;
  }
  struct Keep {
    int32_t slot;
    int32_t count;
  };
  for (const Keep k : {Keep{0, 0}, Keep{4, 0}, Keep{1, -1}, Keep{1, 8}}) {
    EXPECT_EQ(ENGINE_KEEP_UNDERLAYS(engine.handle, k.slot, k.count), ENGINE_REFUSED)
        << k.slot << " " << k.count;
  }
  for (const Keep k : {Keep{1, 0}, Keep{3, 7}})
    EXPECT_EQ(ENGINE_KEEP_UNDERLAYS(engine.handle, k.slot, k.count), ENGINE_DONE);
  EXPECT_EQ(ENGINE_UNDERLAY(nullptr, 0), ENGINE_REFUSED);
  EXPECT_EQ(ENGINE_KEEP_UNDERLAYS(nullptr, 1, 0), ENGINE_REFUSED);
}

}  // namespace
}  // namespace velloro::test
