// What each outside effect's row tells the rest of the program: the design
// colour it paints with, whether it is a shadow and whether the engine
// paints it around the design, each checked against the effect's own name
// and the engine's declaration rather than against the rows themselves.
#include "design/outside_effects.h"

#include <gtest/gtest.h>

#include "design/design_state.h"
#include "design/effect_colour.h"

TEST(OutsideEffectRows, ColourShadowAndReachFollowWhatTheEffectIs) {
  DesignState state;
  state.outlineColour = {1, 2, 3};
  state.glowColour = {4, 5, 6};
  const DesignState& unchanged = state;
  ASSERT_EQ(outsideEffects().size(), 8u);
  for (const OutsideEffect& effect : outsideEffects()) {
    const QString name = effect.name;
    SCOPED_TRACE(name.toStdString());
    const Rgb* expected = name.startsWith(QLatin1String("outline")) ? &state.outlineColour
                          : name == QLatin1String("glow")           ? &state.glowColour
                                                                    : nullptr;
    EXPECT_EQ(effectColour(state, effect), expected);
    EXPECT_EQ(effectColour(unchanged, effect), expected);
    EXPECT_EQ(effect.castsShadow, name.endsWith(QLatin1String("-shadow")));
  }
}
