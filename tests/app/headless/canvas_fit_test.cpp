// A title is never cut silently: without a canvas of its own it gets one
// that holds its whole design plus the margin; a fixed canvas that cuts it
// is written and the cut told on standard error.
#include <gtest/gtest.h>

#include <QImage>

#include "command_words.h"
#include "render_run_fixture.h"
#include "test_files.h"

namespace {

class CanvasFit : public RenderRunFixture {
 protected:
  int run(const char* line, const QStringList& values) {
    return runArguments(QStringList{QStringLiteral("--render"), QStringLiteral("--text"),
                                    QStringLiteral("Sunny Bakery")} +
                        commandWords(line, values));
  }

  QImage argb(const char* name) const {
    return QImage(out(name)).convertToFormat(QImage::Format_ARGB32);
  }
};

}  // namespace

// The fitted picture is, to the byte, the part of a roomy fixed canvas
// (drawn as the window draws) that holds the design and the margin.
TEST_F(CanvasFit, FittedCanvasIsTheDesignPlusTheMargin) {
  for (const char* effect : {"engraved", "drop-shadow", "glow", "cast-shadow"}) {
    const QStringList roomy{QStringLiteral("--canvas"), QStringLiteral("2400x900"),
                            QStringLiteral("--at"), QStringLiteral("400,300")};
    const QString e = QString::fromLatin1(effect);
    ASSERT_EQ(run("--effect % % % % % --transparent -o %",
                  QStringList{e} + roomy + QStringList{out("alone.png")}),
              0)
        << errorText();
    ASSERT_EQ(run("--effect % % % % % -o %", QStringList{e} + roomy + QStringList{out("f.png")}),
              0);
    ASSERT_EQ(run("--effect % --margin 6 -o %", {e, out("fit.png")}), 0);
    EXPECT_EQ(errorText(), "") << effect;
    const QRect design = alphaExtent(argb("alone.png"));
    ASSERT_TRUE(QRect(0, 0, 2400, 900).contains(design.adjusted(-7, -7, 7, 7))) << effect;
    EXPECT_EQ(argb("fit.png"), argb("f.png").copy(design.adjusted(-6, -6, 6, 6))) << effect;

    ASSERT_EQ(run("--effect % --transparent -o %", {e, out("t.png")}), 0);
    const QImage fitted = argb("t.png");
    EXPECT_EQ(fitted.size(), design.size() + QSize(20, 20)) << effect;
    EXPECT_EQ(alphaExtent(fitted), fitted.rect().adjusted(10, 10, -10, -10)) << effect;
  }
}

TEST_F(CanvasFit, AFixedCanvasThatCutsIsToldAndTransparentHoldsAll) {
  ASSERT_EQ(run("--canvas 300x80 --transparent -o %", {out("alone.png")}), 0);
  EXPECT_EQ(errorText(), "");
  const QImage alone = argb("alone.png");
  const int right = alone.width() - 300;
  const int bottom = alone.height() - 80;
  ASSERT_GT(right, 100);
  ASSERT_GT(bottom, 0);
  EXPECT_EQ(alphaExtent(alone).bottomRight(), QPoint(alone.width() - 1, alone.height() - 1));

  ASSERT_EQ(run("--canvas 300x80 -o %", {out("cut.png")}), 0);
  EXPECT_EQ(QImage(out("cut.png")).size(), QSize(300, 80));
  EXPECT_EQ(errorText(), "Velloro: the design runs past the canvas: right by " +
                             std::to_string(right) + " px, bottom by " + std::to_string(bottom) +
                             " px\n");

  // Up and left of the canvas; a background picture fixes the canvas as --canvas does.
  QImage wall(300, 80, QImage::Format_RGB888);
  wall.fill(Qt::gray);
  ASSERT_TRUE(wall.save(out("wall.bmp")));
  ASSERT_EQ(run("--background % --at -60,-30 -o %", {out("wall.bmp"), out("up.png")}), 0);
  EXPECT_NE(errorText().find("the design runs past the canvas: left by "), std::string::npos)
      << errorText();
  EXPECT_NE(errorText().find(" px, top by "), std::string::npos) << errorText();

  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "OK\tok.png\nSunny Bakery\tsunny.png\n");
  EXPECT_EQ(runArguments(commandWords("--render --batch % --canvas 300x200 --out-dir %",
                                      {list, pictures.path()})),
            0);
  EXPECT_EQ(errorText(), "1/2 OK\nVelloro: " + list.toStdString() +
                             ":2: 'sunny.png': the design runs past the canvas: right by " +
                             std::to_string(right) + " px\n2/2 Sunny Bakery\n");
}
