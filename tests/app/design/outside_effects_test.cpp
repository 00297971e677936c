// What each outside effect's row tells the rest of the program: the design
// colour it paints with, whether it is a shadow and whether the engine
// paints it around the design, each checked against the effect's own name
// and the engine's declaration rather than against the rows themselves.
#include "design/outside_effects.h"

#include <gtest/gtest.h>

TEST(OutsideEffectRows, ColourShadowAndReachFollowWhatTheEffectIs) {
  ASSERT_EQ(outsideEffects().size(), 8u);
  for (const OutsideEffect& effect : outsideEffects()) {
    const QString name = effect.name;
    SCOPED_TRACE(name.toStdString());
    const EffectColour expected = name.startsWith(QLatin1String("outline")) ? EffectColour::Outline
                                  : name == QLatin1String("glow")           ? EffectColour::Glow
                                                                            : EffectColour::None;
    EXPECT_EQ(effect.colour, expected);
    EXPECT_EQ(effect.castsShadow, name.endsWith(QLatin1String("-shadow")));
  }
}
