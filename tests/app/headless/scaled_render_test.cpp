// `--render --scale N`: the title drawn N times as dense, which shrunk back
// by N looks like the title at scale 1.
#include "render_run_fixture.h"
#include "shrunk_difference.h"

namespace {

class ScaledRender : public RenderRunFixture {
 protected:
  QImage render(int scale, const char* more) {
    return rendered(
        QStringLiteral("--text Ve --size 40 --canvas 120x70 --at 9,4 --scale %1 -o % ").arg(scale) +
            more,
        "title.png");
  }
};

// The mean red minus blue of the visible pixels of column `x`.
double redOverBlue(const QImage& picture, int x) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    if (qAlpha(picture.pixel(x, y)) > 128)
      sum += qRed(picture.pixel(x, y)) - qBlue(picture.pixel(x, y)), ++count;
  return count ? sum / count : 0;
}

}  // namespace

TEST_F(ScaledRender, ShrunkBackItMatchesTheTitleAtScaleOne) {
  // The effect, the scale and the largest mean difference allowed.
  const std::tuple<const char*, int, double> cases[] = {
      {"--effect none", 2, 4}, {"--effect drop-shadow", 3, 5}, {"--effect glow", 2, 8}};
  for (const auto& [effect, scale, largest] : cases) {
    SCOPED_TRACE(effect);
    const QImage dense = render(scale, effect);
    ASSERT_EQ(dense.size(), QSize(120, 70) * scale);
    const double difference = shrunkDifference(render(1, effect), dense, scale);
    EXPECT_GT(difference, 0);  // drawn anew, not enlarged
    EXPECT_LT(difference, largest);
  }
}

// The faint pixel of smoothing around the edge is one pixel at either
// density; an unscaled margin would leave the dense title 40 pixels short.
TEST_F(ScaledRender, TrimMarginGrowsWithTheScale) {
  const QImage one = render(1, "--effect none --transparent --trim 10");
  const QImage dense = render(3, "--effect none --transparent --trim 10");
  EXPECT_NEAR(dense.width(), 3 * one.width(), 6);
  EXPECT_NEAR(dense.height(), 3 * one.height(), 6);
}

// A title of several lines: at either density the gradient spans the whole
// block, red at its left, blue at its right.
TEST_F(ScaledRender, GradientEndsCarryTheirStopsOverTheWholeBlock) {
  for (const char* scale : {"1", "2"}) {
    const QImage picture = rendered(
        "--text % --align right --line-spacing 1.5 --size 40 --effect none "
        "--gradient #ff0000,#0000ff --transparent --trim 0 --scale % -o %",
        "block.png", {QStringLiteral("HHHH\nHH"), QLatin1String(scale)});
    EXPECT_GT(redOverBlue(picture, 2), 60) << "scale " << scale;
    EXPECT_LT(redOverBlue(picture, picture.width() - 3), -60) << "scale " << scale;
  }
}
