// The window's changes of the effect stack: each one change of the model,
// told once, or refused with nothing changed.
#include "design/effect_stack.h"

#include <gtest/gtest.h>

#include <functional>

#include "design/design_model.h"
#include "design/outside_effects.h"

namespace {

using enum EffectType;

// Entries told apart by their first position.
EffectEntry marked(EffectType type, int32_t mark) { return {type, {mark, 0, 0}, {}}; }

const EffectEntry a = marked(Outline1, 10), b = marked(Glow, 20), c = marked(Outline1, 30);

struct StackChange {
  const char* name;
  EffectStack before;
  std::function<bool(DesignModel&)> change;
  bool taken;
  EffectStack after;  // the stack before, when refused or unchanged
};

}  // namespace

TEST(EffectStackChanges, EachIsOneChangeOrARefusal) {
  const EffectEntry wide{Glow, {101, 0, 0}, {}};
  const OutsideEffect& glow = outsideEffect(Glow);
  const EffectEntry glowStart{
      Glow,
      glow.startPositions,
      {glow.startColour.red, glow.startColour.green, glow.startColour.blue}};
  const EffectStack full(8, a);
  using Change = std::function<bool(DesignModel&)>;
  auto add = [](EffectType type) -> Change {
    return [=](DesignModel& m) { return addEffect(m, type); };
  };
  auto remove = [](int i) -> Change { return [=](DesignModel& m) { return removeEffect(m, i); }; };
  auto move = [](int i, int by) -> Change {
    return [=](DesignModel& m) { return moveEffect(m, i, by); };
  };
  auto put = [](int i, EffectEntry e) -> Change {
    return [=](DesignModel& m) { return setEffectEntry(m, i, e); };
  };
  const StackChange changes[] = {
      {"add on top", {a, b}, add(Glow), true, {a, b, glowStart}},
      {"add to the empty stack", {}, add(Glow), true, {glowStart}},
      {"add to a full stack", full, add(Glow), false, full},
      {"add no effect", {a}, add(NoContour), false, {a}},
      {"remove the bottom", {a, b, c}, remove(0), true, {b, c}},
      {"remove the top", {a, b, c}, remove(2), true, {a, b}},
      {"remove past the top", {a, b, c}, remove(3), false, {a, b, c}},
      {"remove below the bottom", {a}, remove(-1), false, {a}},
      {"move up one", {a, b, c}, move(0, 1), true, {b, a, c}},
      {"move to the bottom", {a, b, c}, move(2, -2), true, {c, a, b}},
      {"move past the top", {a, b, c}, move(2, 1), false, {a, b, c}},
      {"move below the bottom", {a, b}, move(0, -1), false, {a, b}},
      {"move by nothing", {a, b}, move(1, 0), true, {a, b}},
      {"set an entry", {a, b, c}, put(1, a), true, {a, a, c}},
      {"set past the top", {a}, put(1, b), false, {a}},
      {"set out of range", {a}, put(0, wide), false, {a}},
  };
  for (const StackChange& change : changes) {
    SCOPED_TRACE(change.name);
    DesignModel model;
    ASSERT_TRUE(model.set(Setting::Effects, change.before));
    int told = 0;
    model.listen([&told](Setting setting) {
      EXPECT_EQ(setting, Setting::Effects);
      ++told;
    });
    EXPECT_EQ(change.change(model), change.taken);
    EXPECT_EQ(model.style().effects, change.after);
    EXPECT_EQ(told, change.after == change.before ? 0 : 1);
  }
}
