// Titles fitted to a box: the whole design, effects included, within the
// box; wrapped before it is made smaller; cut with an ellipsis, and said
// so, when even the smallest size does not fit.
#include "render_run_fixture.h"

using BoxFitTest = RenderRunFixture;

namespace {

const QString sentence = u"Velloro draws titles that fit the slot of a banner"_qs;

}  // namespace

TEST_F(BoxFitTest, TheWholeDesignFitsTheBoxWithEveryEffect) {
  struct Case {
    const char* effect;
    QSize box;
  };
  const Case cases[] = {{"none", {600, 400}},
                        {"drop-shadow", {600, 400}},
                        {"glow", {300, 300}},
                        {"cast-shadow", {400, 200}},
                        {"engraved", {200, 150}}};
  const QImage unfitted =
      rendered("--text % --effect none --transparent --trim 0 -o %", "whole.png", {sentence});
  ASSERT_GT(unfitted.width(), 1000);  // the sentence on one line is far wider than any box
  for (const Case& row : cases) {
    SCOPED_TRACE(row.effect);
    const QString box = u"%1x%2"_qs.arg(row.box.width()).arg(row.box.height());
    const QImage fitted = rendered("--text % --box % --effect % --transparent --trim 0 -o %",
                                   "fit.png", {sentence, box, QString::fromLatin1(row.effect)});
    EXPECT_LE(fitted.width(), row.box.width());
    EXPECT_LE(fitted.height(), row.box.height());
    // Wrapped to the width: the box is filled, not a line shrunk to a sliver.
    EXPECT_GT(fitted.width(), row.box.width() / 2);
    EXPECT_EQ(errorText(), "");
  }
}

TEST_F(BoxFitTest, ALineLimitShrinksAndTheSmallestSizeCutsWithAnEllipsis) {
  const QImage twoLines = rendered(
      "--text % --box 500x400 --max-lines 2 --effect none "
      "--transparent --trim 0 -o %",
      "two.png", {sentence});
  const QImage free = rendered("--text % --box 500x400 --effect none --transparent --trim 0 -o %",
                               "free.png", {sentence});
  EXPECT_LE(twoLines.width(), 500);
  EXPECT_LT(twoLines.height(), free.height());  // fewer lines of smaller letters
  expectTold("--text % --box 120x30 --max-lines 1 --effect none -o %", {sentence}, 0,
             "Velloro: '" + toldPath() + "': the title does not fit the box 120x30: it is cut\n");
}
