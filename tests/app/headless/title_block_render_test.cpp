// A title of several lines, right-aligned, filled with a gradient, rendered
// on the command line and cut to what can be seen of it.
#include <gtest/gtest.h>

#include "command_words.h"
#include "render_run_fixture.h"

namespace {

bool visible(const QImage& picture, int x, int y) { return qAlpha(picture.pixel(x, y)) > 128; }

// The last visible column of rows [top, bottom), or -1.
int lastVisibleColumn(const QImage& picture, int top, int bottom) {
  int last = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (visible(picture, x, y)) last = std::max(last, x);
  return last;
}

// The mean red minus blue of the visible pixels of column `x`.
double redOverBlue(const QImage& picture, int x) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    if (visible(picture, x, y))
      sum += qRed(picture.pixel(x, y)) - qBlue(picture.pixel(x, y)), ++count;
  return count ? sum / count : 0;
}

}  // namespace

class TitleBlockRender : public RenderRunFixture {};

TEST_F(TitleBlockRender, RightAlignedGradientLinesAreOneDesign) {
  const QString path = out("block.png");
  ASSERT_EQ(runArguments(commandWords(
                "--render --text % --align right --line-spacing 1.5 --size 40 --effect none "
                "--gradient #ff0000,#0000ff --transparent --trim 0 -o %",
                {QStringLiteral("HHHH\nHH"), path})),
            0)
      << errorText();
  const QImage picture = QImage(path).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(picture.isNull());
  // Two bands of rows with a clear gap between them.
  std::vector<int> rows;
  for (int y = 0; y < picture.height(); ++y)
    if (lastVisibleColumn(picture, y, y + 1) >= 0) rows.push_back(y);
  ASSERT_FALSE(rows.empty());
  int gapAt = -1;
  for (size_t i = 1; i < rows.size(); ++i)
    if (rows[i] - rows[i - 1] > 5) gapAt = rows[i];
  ASSERT_GT(gapAt, 0);
  EXPECT_NEAR(lastVisibleColumn(picture, 0, gapAt),
              lastVisibleColumn(picture, gapAt, picture.height()), 1);
  // The gradient runs over the whole block: red at its left, blue at its right.
  int first = 0;
  while (first < picture.width() && redOverBlue(picture, first) == 0) ++first;
  const int last = lastVisibleColumn(picture, 0, picture.height());
  EXPECT_GT(redOverBlue(picture, first + 1), 60);
  EXPECT_LT(redOverBlue(picture, last - 1), -60);
}
