// Engine objects: each keeps its own layers, texture and working memory, so
// renders on two objects at once give the bytes each gives alone; handles
// and densities outside the contract are refused without a change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

// A run of renders on one object, as a caller makes them: each a texture,
// a render and its end; the outputs of every render in turn.
struct RenderRun {
  std::vector<LayerSettings> renders;
  const Picture* texture = nullptr;
};

std::vector<std::vector<uint8_t>> outputsOf(VelloroEngine* engine, const RenderRun& run,
                                            const Picture& mask) {
  Canvas canvas(400, 180);
  paintPattern(canvas.background);
  std::vector<std::vector<uint8_t>> outputs;
  for (const LayerSettings& s : run.renders) {
    Picture maskCopy = mask;
    EXPECT_EQ(engineTexture(engine, run.texture), ENGINE_DONE);
    EXPECT_EQ(engineAction(engine, 1, canvas, maskCopy, s), ENGINE_DONE);
    EXPECT_EQ(ENGINE_DESTRUCTION(engine), ENGINE_DONE);
    outputs.push_back(canvas.output.bytes);
  }
  return outputs;
}

RenderRun glowingRun(const Picture& texture) {
  RenderRun run{{}, &texture};
  for (int32_t amount : {30, 80, 80}) {
    LayerSettings& s = run.renders.emplace_back();
    s.effectType = toInt(EffectType::Glow);
    s.effectAmount = amount;
    s.effectValue1 = 250;
    s.material = 7;
    s.columnOffset = 20;
    s.rowOffset = 10;
  }
  return run;
}

RenderRun shadowedRun() {
  RenderRun run;
  for (int32_t turn : {20, 35}) {
    LayerSettings& s = run.renders.emplace_back();
    s.effectType = toInt(EffectType::DropShadow);
    s.effectAmount = 60;
    s.effectValue1 = 30;
    s.effectValue2 = 70;
    s.material = 6;
    s.deformationType = toInt(DeformationType::Rotate);
    s.deformationAmount = turn;
  }
  return run;
}

Picture stripedTexture() { return patternedPicture(17, 11, 13, 241); }

TEST(EngineObjects, TwoObjectsRenderedAtOnceGiveTheBytesEachGivesAlone) {
  const Picture mask = textMask(360, 140);
  const Picture texture = stripedTexture();
  const RenderRun runs[] = {glowingRun(texture), shadowedRun()};
  std::vector<std::vector<uint8_t>> alone[2];
  for (int i = 0; i < 2; ++i) {
    VelloroEngine* engine = ENGINE_NEW(2);
    alone[i] = outputsOf(engine, runs[i], mask);
    ENGINE_FREE(engine);
  }
  ASSERT_NE(alone[0].back(), alone[1].back());
  for (int round = 0; round < 3; ++round) {
    VelloroEngine* engines[] = {ENGINE_NEW(2), ENGINE_NEW(1)};
    std::vector<std::vector<uint8_t>> together[2];
    std::thread other([&] { together[1] = outputsOf(engines[1], runs[1], mask); });
    together[0] = outputsOf(engines[0], runs[0], mask);
    other.join();
    EXPECT_EQ(together[0], alone[0]);
    EXPECT_EQ(together[1], alone[1]);
    for (VelloroEngine* engine : engines) EXPECT_EQ(ENGINE_FREE(engine), ENGINE_DONE);
  }
}

// The original entry points and an object at density 1 are one engine.
TEST(EngineObjects, AnObjectAtDensityOneGivesTheOriginalEntryPointsBytes) {
  clearLayerSlots();
  const Picture mask = textMask(360, 140);
  const Picture texture = stripedTexture();
  const RenderRun run = glowingRun(texture);
  Canvas canvas(400, 180);
  paintPattern(canvas.background);
  std::vector<std::vector<uint8_t>> original;
  for (const LayerSettings& s : run.renders) {
    render(canvas, mask, s, &texture);
    original.push_back(canvas.output.bytes);
  }
  VelloroEngine* engine = ENGINE_NEW(2);
  EXPECT_EQ(outputsOf(engine, run, mask), original);
  ENGINE_FREE(engine);
  clearLayerSlots();
}

TEST(EngineObjects, EachObjectKeepsItsOwnLayerSlots) {
  const Picture mask = textMask(360, 140);
  VelloroEngine* drawn = ENGINE_NEW(1);
  VelloroEngine* empty = ENGINE_NEW(1);
  outputsOf(drawn, shadowedRun(), mask);
  Canvas canvas(400, 180);
  paintPattern(canvas.background);
  Picture narrow(3, 10);  // too narrow to render: only the stored slots are composited
  EXPECT_EQ(engineAction(empty, 1, canvas, narrow, {}), ENGINE_DONE);
  EXPECT_EQ(canvas.output.bytes, canvas.background.bytes);
  LayerSettings otherSlot;
  otherSlot.layerSlot = 2;
  EXPECT_EQ(engineAction(drawn, 1, canvas, narrow, otherSlot), ENGINE_DONE);
  EXPECT_NE(canvas.output.bytes, canvas.background.bytes);
  ENGINE_FREE(drawn);
  ENGINE_FREE(empty);
}

TEST(EngineObjects, HandlesDensitiesAndThreadCountsOutsideTheContractAreRefused) {
  VelloroEngine* freed = ENGINE_NEW(1);
  ASSERT_NE(freed, nullptr);
  EXPECT_EQ(ENGINE_FREE(freed), ENGINE_DONE);
  VelloroEngine* live = ENGINE_NEW(1);
  VelloroEngine* neverMade = reinterpret_cast<VelloroEngine*>(&live);
  struct Case {
    const char* name;
    VelloroEngine* engine;
    int32_t density;
  };
  const Case cases[] = {
      {"null object", nullptr, 1},     {"freed object", freed, 1}, {"never made", neverMade, 1},
      {"density 0", live, 0},          {"density 5", live, 5},     {"negative density", live, -2},
      {"huge density", live, 1 << 30},
  };
  uint8_t keyed[12] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Picture mask = textMask(60, 40);
    const Picture maskBefore = mask;
    Canvas canvas(70, 50);
    paintPattern(canvas.background);
    const Picture outputBefore = canvas.output;
    EXPECT_EQ(engineAction(c.engine, c.density, canvas, mask, {}), ENGINE_REFUSED);
    EXPECT_EQ(canvas.output.bytes, outputBefore.bytes);
    EXPECT_EQ(mask.bytes, maskBefore.bytes);
    if (c.density != 1) continue;
    EXPECT_EQ(ENGINE_TEXTURE(c.engine, keyed, 0, 0, 12, 1), ENGINE_REFUSED);
    EXPECT_EQ(ENGINE_DESTRUCTION(c.engine), ENGINE_REFUSED);
    EXPECT_EQ(ENGINE_STOP(c.engine), ENGINE_REFUSED);
    EXPECT_EQ(ENGINE_FRONTIERE(c.engine, keyed, keyed, 12, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0),
              ENGINE_REFUSED);
    EXPECT_EQ(keyed[0], 9);
    EXPECT_EQ(ENGINE_FREE(c.engine), ENGINE_REFUSED);
  }
  for (int32_t threads : {0, -1, INT32_MIN}) EXPECT_EQ(ENGINE_NEW(threads), nullptr) << threads;
  EXPECT_EQ(ENGINE_FREE(live), ENGINE_DONE);
}

// A drag's frames may turn and bend by approximations: within 2 of 255 on
// average of the exact frame, and exact again, byte for byte, once the
// preview is switched off.
TEST(EngineObjects, PreviewFramesComeCloseAndTheFrameAtRestIsExact) {
  const Picture mask = textMask(360, 140);
  struct Case {
    const char* name;
    DeformationType deformation;
    int32_t amount;
    EffectType effect;
  };
  const Case cases[] = {
      {"turn", DeformationType::Rotate, 7, EffectType::NoContour},
      {"turn far round", DeformationType::Rotate, 93, EffectType::NoContour},
      {"turn with a cast shadow", DeformationType::Rotate, 30, EffectType::CastShadow},
      {"gentle bend", DeformationType::Curve, 35, EffectType::NoContour},
      {"strong bend", DeformationType::Curve, 96, EffectType::NoContour},
      {"bend the other way", DeformationType::Curve, 4, EffectType::NoContour},
      {"barely bent", DeformationType::Curve, 47, EffectType::NoContour},
      {"bend with a drop shadow", DeformationType::Curve, 30, EffectType::DropShadow},
      {"bend with a cast shadow", DeformationType::Curve, 70, EffectType::CastShadow},
      {"turn with a drop shadow", DeformationType::Rotate, 60, EffectType::DropShadow},
      {"engraved bend", DeformationType::Curve, 20, EffectType::Engraved},
      {"engraved strong bend", DeformationType::Curve, 90, EffectType::Engraved},
      {"engraved turn", DeformationType::Rotate, 12, EffectType::Engraved},
      {"engraved turn far round", DeformationType::Rotate, 71, EffectType::Engraved}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RenderRun run;
    LayerSettings& s = run.renders.emplace_back();
    s.material = 7;
    s.deformationType = toInt(c.deformation);
    s.deformationAmount = c.amount;
    s.effectType = toInt(c.effect);
    s.effectValue1 = 70;  // a shadow well away from the letters
    s.effectValue2 = 20;
    s.columnOffset = 20;
    VelloroEngine* engine = ENGINE_NEW(2);
    const std::vector<uint8_t> exact = outputsOf(engine, run, mask).back();
    ASSERT_EQ(ENGINE_PREVIEW(engine, 1), ENGINE_DONE);
    const std::vector<uint8_t> preview = outputsOf(engine, run, mask).back();
    ASSERT_EQ(ENGINE_PREVIEW(engine, 0), ENGINE_DONE);
    EXPECT_EQ(outputsOf(engine, run, mask).back(), exact);
    double difference = 0;
    int largest = 0;
    for (size_t i = 0; i < exact.size(); ++i) {
      const int apart = std::abs(exact[i] - preview[i]);
      difference += apart;
      largest = std::max(largest, apart);
    }
    EXPECT_LE(difference / static_cast<double>(exact.size()), 2.0);
    // Points off by a fraction of a pixel: no pixel lacks its layer or shadow.
    EXPECT_LE(largest, 32);
    ENGINE_FREE(engine);
  }
  VelloroEngine* engine = ENGINE_NEW(1);
  for (int32_t on : {-1, 2, 255}) EXPECT_EQ(ENGINE_PREVIEW(engine, on), ENGINE_REFUSED) << on;
  ENGINE_FREE(engine);
  EXPECT_EQ(ENGINE_PREVIEW(engine, 1), ENGINE_REFUSED);
  EXPECT_EQ(ENGINE_PREVIEW(nullptr, 0), ENGINE_REFUSED);
}

// A handle is a number used once: a thousand later objects never revive it.
TEST(EngineObjects, AFreedHandleNeverNamesALaterObject) {
  VelloroEngine* first = ENGINE_NEW(1);
  ENGINE_FREE(first);
  for (int i = 0; i < 1000; ++i) {
    VelloroEngine* later = ENGINE_NEW(1);
    ASSERT_NE(later, first);
    ASSERT_EQ(ENGINE_FREE(later), ENGINE_DONE);
  }
  EXPECT_EQ(ENGINE_DESTRUCTION(first), ENGINE_REFUSED);
}

}  // namespace
}  // namespace velloro::test
