// A title of several lines filled with a gradient, rendered on the command
// line and cut to what can be seen of it.
#include <gtest/gtest.h>

#include "command_words.h"
#include "render_run_fixture.h"

namespace {

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

class TitleBlockRender : public RenderRunFixture {};

TEST_F(TitleBlockRender, GradientEndsCarryTheirStopsOverTheWholeBlock) {
  // At a higher pixel density the gradient still spans the block.
  for (const char* scale : {"1", "2"}) {
    const QString path = out((std::string("block") + scale + ".png").c_str());
    ASSERT_EQ(runArguments(commandWords(
                  "--render --text % --align right --line-spacing 1.5 --size 40 --effect none "
                  "--gradient #ff0000,#0000ff --transparent --trim 0 --scale % -o %",
                  {QStringLiteral("HHHH\nHH"), QLatin1String(scale), path})),
              0)
        << errorText();
    const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32);
    // The gradient runs over the whole block: red at its left, blue at its right.
    int first = 0;
    while (first < picture.width() && redOverBlue(picture, first) == 0) ++first;
    int last = picture.width() - 1;
    while (last > 0 && redOverBlue(picture, last) == 0) --last;
    EXPECT_GT(redOverBlue(picture, first + 1), 60) << "scale " << scale;
    EXPECT_LT(redOverBlue(picture, last - 1), -60) << "scale " << scale;
  }
}
