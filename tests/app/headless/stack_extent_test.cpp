// A stack of effects reaches as far as its entries together: a wide glow
// under a far shadow is held whole by the transparent picture, --trim and
// the fitted canvas, whichever of the two lies on top.
#include "render_run_fixture.h"

using StackExtent = RenderRunFixture;

TEST_F(StackExtent, TheDesignHoldsEveryEntrysReach) {
  const QString glow = QStringLiteral("--effect glow:width=100,colour=#20c0ff");
  const QString shadow = QStringLiteral("--effect drop-shadow:strength=90,x=100,y=100");
  const auto picture = [&](const QString& effects, const char* more, const char* name) {
    const QImage drawn =
        rendered(QStringLiteral("--text Wq %1 %2 -o %").arg(effects, QLatin1String(more)), name);
    EXPECT_EQ(errorText(), "") << name;
    return drawn;
  };
  const char* roomy = "--canvas 1600x900 --at 500,300 --transparent";
  const QRect glowAlone = alphaExtent(picture(glow, roomy, "glow.png"));
  const QRect shadowAlone = alphaExtent(picture(shadow, roomy, "shadow.png"));
  // Each entry reaches where the other does not.
  ASSERT_FALSE(glowAlone.contains(shadowAlone));
  ASSERT_FALSE(shadowAlone.contains(glowAlone));
  const QRect both = glowAlone | shadowAlone;
  ASSERT_TRUE(QRect(0, 0, 1600, 900).contains(both.adjusted(-7, -7, 7, 7)));
  for (const QString& effects : {glow + u' ' + shadow, shadow + u' ' + glow}) {
    const std::string name = effects.toStdString();
    EXPECT_EQ(alphaExtent(picture(effects, roomy, "stack.png")), both) << name;
    EXPECT_EQ(picture(effects, "--transparent --trim 0", "trim.png").size(), both.size()) << name;
    EXPECT_EQ(picture(effects, "--margin 6", "fit.png").size(), both.size() + QSize(12, 12))
        << name;
  }
}
