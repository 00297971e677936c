// `--render --scale N`: the title drawn N times as dense, which shrunk back
// by N looks like the title at scale 1.
#include <gtest/gtest.h>

#include <QImage>

#include "command_words.h"
#include "render_run_fixture.h"
#include "shrunk_difference.h"

namespace {

class ScaledRender : public RenderRunFixture {
 protected:
  QImage render(int scale, const char* more) {
    const QString path = out("title.png");
    const QString line = QStringLiteral(
                             "--render --text Ve --size 40 --canvas 120x70 --at 9,4 "
                             "--scale %1 -o % %2")
                             .arg(scale)
                             .arg(QLatin1String(more));
    EXPECT_EQ(runArguments(commandWords(line.toUtf8().constData(), {path})), 0) << errorText();
    return QImage(path);
  }
};

}  // namespace

TEST_F(ScaledRender, ShrunkBackItMatchesTheTitleAtScaleOne) {
  const struct {
    const char* effect;
    int scale;
    double largest;
  } cases[] = {{"--effect none", 2, 4}, {"--effect drop-shadow", 3, 5}, {"--effect glow", 2, 8}};
  for (const auto& c : cases) {
    const QImage one = render(1, c.effect);
    const QImage dense = render(c.scale, c.effect);
    ASSERT_EQ(dense.size(), QSize(120, 70) * c.scale) << c.effect;
    const double difference = shrunkDifference(one, dense, c.scale);
    EXPECT_GT(difference, 0) << c.effect;  // drawn anew, not enlarged
    EXPECT_LT(difference, c.largest) << c.effect;
  }
}

TEST_F(ScaledRender, TrimMarginGrowsWithTheScale) {
  const QImage one = render(1, "--effect none --transparent --trim 10");
  const QImage dense = render(3, "--effect none --transparent --trim 10");
  // The faint pixel of smoothing around the edge is one pixel at either
  // density; an unscaled margin would leave the dense title 40 pixels short.
  EXPECT_NEAR(dense.width(), 3 * one.width(), 6);
  EXPECT_NEAR(dense.height(), 3 * one.height(), 6);
}

TEST_F(ScaledRender, ACanvasTooLargeOnceScaledIsRefused) {
  EXPECT_EQ(runArguments(commandWords("--render --text Ve --canvas 3000x10 --scale 3 -o %",
                                      {out("big.png")})),
            2);
  EXPECT_EQ(errorText(),
            "Velloro: --scale: the canvas would be 9000x30 pixels, more than 8192 a side\n");
  EXPECT_FALSE(QFile::exists(out("big.png")));
}
