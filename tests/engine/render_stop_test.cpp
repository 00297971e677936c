// A render asked to stop from another thread ends with ENGINE_STOPPED and
// leaves its object as good as a fresh one for the next render; stops asked
// while no render runs, or of another object, change no byte.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "layer_render.h"

namespace velloro::test {
namespace {

struct Step {  // an ENGINE_ACTION into the slot's layer or an underlay
  LayerSettings settings;
  int32_t underlay = 0;
};

Step glowingLetters(int32_t red, int32_t underlay = 0) {
  LayerSettings s;
  s.effectType = toInt(underlay == 0 ? EffectType::Glow : EffectType::Outline1);
  s.effectAmount = 70;
  s.effectValue1 = 240;
  s.material = 7;
  s.fillRed = red;
  s.columnOffset = 30;
  return {s, underlay};
}

const Picture& largeMask() {
  static const Picture mask = textMask(1600, 520);
  return mask;
}

// The result and output of `step`, while `stopper` runs beside it from
// before the render begins.
std::pair<int32_t, std::vector<uint8_t>> run(VelloroEngine* engine, const Step& step,
                                             void (*stopper)(VelloroEngine*, std::atomic<bool>&)) {
  Canvas canvas(1660, 540);
  paintPattern(canvas.background);
  Picture mask = largeMask();
  EXPECT_EQ(ENGINE_UNDERLAY(engine, step.underlay), ENGINE_DONE);
  std::atomic<bool> returned{false};
  std::atomic<bool> started{false};
  std::thread beside([&] {
    started = true;
    stopper(engine, returned);
  });
  while (!started) std::this_thread::yield();
  const int32_t result = engineAction(engine, 1, canvas, mask, step.settings);
  returned = true;
  beside.join();
  EXPECT_EQ(ENGINE_DESTRUCTION(engine), ENGINE_DONE);
  return {result, std::move(canvas.output.bytes)};
}

void stopsNothing(VelloroEngine*, std::atomic<bool>&) {}
void stopsUntilReturned(VelloroEngine* engine, std::atomic<bool>& returned) {
  while (!returned) EXPECT_EQ(ENGINE_STOP(engine), ENGINE_DONE);
}

std::vector<uint8_t> lastOutput(VelloroEngine* engine, const std::vector<Step>& steps) {
  std::pair<int32_t, std::vector<uint8_t>> last;
  for (const Step& step : steps) {
    last = run(engine, step, stopsNothing);
    EXPECT_EQ(last.first, ENGINE_DONE);
  }
  return last.second;
}

// The stop lands in the step the stopped render runs first: the outline's
// search, or the background's around a kept outline. Stops asked between
// renders are forgotten.
TEST(RenderStop, TheNextRenderGivesTheBytesOfAFreshObject) {
  const Step red = glowingLetters(220);
  Step otherSlot = glowingLetters(90);
  otherSlot.settings.layerSlot = 2;
  const Step underlay = glowingLetters(220, 1);
  Step wider = red;  // searches the background anew, to another reach
  wider.settings.effectAmount = 100;
  Step widerUnderlay = underlay;
  widerUnderlay.settings.effectAmount = 100;
  const struct {
    const char* name;
    std::vector<Step> before;
    Step stopped;
    std::vector<Step> after;
  } cases[] = {
      {"first render of the object", {}, red, {red}},
      {"outline kept from another colour", {glowingLetters(20)}, wider, {red}},
      {"another slot drawn before", {otherSlot}, red, {red}},
      {"an underlay", {underlay, red}, widerUnderlay, {underlay, red}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Step> unstopped = c.before;
    unstopped.insert(unstopped.end(), c.after.begin(), c.after.end());
    VelloroEngine* fresh = ENGINE_NEW(2);
    const std::vector<uint8_t> expected = lastOutput(fresh, unstopped);
    VelloroEngine* engine = ENGINE_NEW(2);
    EXPECT_EQ(ENGINE_STOP(engine), ENGINE_DONE);
    lastOutput(engine, c.before);
    EXPECT_EQ(run(engine, c.stopped, stopsUntilReturned).first, ENGINE_STOPPED);
    EXPECT_EQ(ENGINE_STOP(engine), ENGINE_DONE);
    EXPECT_EQ(lastOutput(engine, c.after), expected);
    EXPECT_EQ(ENGINE_FREE(engine), ENGINE_DONE);
    EXPECT_EQ(ENGINE_FREE(fresh), ENGINE_DONE);
  }
}

TEST(RenderStop, StoppingOneObjectLeavesAnotherAlone) {
  const std::vector<Step> steps = {glowingLetters(220), glowingLetters(20)};
  VelloroEngine* alone = ENGINE_NEW(1);
  const std::vector<uint8_t> expected = lastOutput(alone, steps);
  VelloroEngine* kept = ENGINE_NEW(1);
  VelloroEngine* stopped = ENGINE_NEW(1);
  std::atomic<bool> finished{false};
  std::thread other([&] {
    while (!finished) EXPECT_EQ(run(stopped, steps[0], stopsUntilReturned).first, ENGINE_STOPPED);
  });
  EXPECT_EQ(lastOutput(kept, steps), expected);
  finished = true;
  other.join();
  for (VelloroEngine* engine : {alone, kept, stopped}) ENGINE_FREE(engine);
}

}  // namespace
}  // namespace velloro::test
