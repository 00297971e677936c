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
  EffectStack fullPlusOne = full;
  fullPlusOne.push_back(a);
  const StackChange changes[] = {
      {"add on top",
       {a, b},
       [](DesignModel& m) { return addEffect(m, Glow); },
       true,
       {a, b, glowStart}},
      {"add to the empty stack",
       {},
       [](DesignModel& m) { return addEffect(m, Glow); },
       true,
       {glowStart}},
      {"add to a full stack", full, [](DesignModel& m) { return addEffect(m, Glow); }, false, full},
      {"add no effect", {a}, [](DesignModel& m) { return addEffect(m, NoContour); }, false, {a}},
      {"remove the bottom",
       {a, b, c},
       [](DesignModel& m) { return removeEffect(m, 0); },
       true,
       {b, c}},
      {"remove the top",
       {a, b, c},
       [](DesignModel& m) { return removeEffect(m, 2); },
       true,
       {a, b}},
      {"remove past the top",
       {a, b, c},
       [](DesignModel& m) { return removeEffect(m, 3); },
       false,
       {a, b, c}},
      {"remove below the bottom",
       {a},
       [](DesignModel& m) { return removeEffect(m, -1); },
       false,
       {a}},
      {"move up one",
       {a, b, c},
       [](DesignModel& m) { return moveEffect(m, 0, 1); },
       true,
       {b, a, c}},
      {"move to the bottom",
       {a, b, c},
       [](DesignModel& m) { return moveEffect(m, 2, -2); },
       true,
       {c, a, b}},
      {"move past the top",
       {a, b, c},
       [](DesignModel& m) { return moveEffect(m, 2, 1); },
       false,
       {a, b, c}},
      {"move below the bottom",
       {a, b},
       [](DesignModel& m) { return moveEffect(m, 0, -1); },
       false,
       {a, b}},
      {"move by nothing", {a, b}, [](DesignModel& m) { return moveEffect(m, 1, 0); }, true, {a, b}},
      {"set an entry",
       {a, b, c},
       [](DesignModel& m) { return setEffectEntry(m, 1, a); },
       true,
       {a, a, c}},
      {"set past the top", {a}, [](DesignModel& m) { return setEffectEntry(m, 1, b); }, false, {a}},
      {"set out of range",
       {a},
       [&](DesignModel& m) { return setEffectEntry(m, 0, wide); },
       false,
       {a}},
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
  DesignModel model;
  EXPECT_FALSE(model.set(Setting::Effects, fullPlusOne));
}

TEST(EffectStackChanges, TheTopEntrySwitchedOnIsTheOneDrawnAlone) {
  EffectEntry off = b;
  off.on = false;
  const std::tuple<const char*, EffectStack, std::optional<EffectEntry>> stacks[] = {
      {"empty", {}, std::nullopt},
      {"top on", {a, c}, c},
      {"top off", {a, off}, a},
      {"all off", {off, off}, std::nullopt},
  };
  for (const auto& [name, stack, drawn] : stacks) EXPECT_EQ(topEffect(stack), drawn) << name;
}
