// `--render --transparent`: the design alone, as Export for the web writes
// it, on the whole canvas or trimmed to what can be seen of it.
#include <gtest/gtest.h>

#include <QImage>

#include "render_run_fixture.h"
#include "test_files.h"

namespace {

class TransparentRender : public RenderRunFixture {
 protected:
  // Renders "Ve" on a small canvas; `more` adds options and the output.
  int run(const QStringList& more) {
    QStringList arguments{QStringLiteral("--render"), QStringLiteral("--size"),
                          QStringLiteral("30"),       QStringLiteral("--canvas"),
                          QStringLiteral("160x90"),   QStringLiteral("--at"),
                          QStringLiteral("20,15")};
    if (!more.contains(QStringLiteral("--batch")))
      arguments << QStringLiteral("--text") << QStringLiteral("Ve");
    return runArguments(arguments + more);
  }

  QImage argb(const char* name) const {
    return QImage(out(name)).convertToFormat(QImage::Format_ARGB32);
  }
};

}  // namespace

TEST_F(TransparentRender, WholeCanvasKeepsTheDesignsColoursOverAClearBackground) {
  ASSERT_EQ(run({QStringLiteral("-o"), out("opaque.png")}), 0) << errorText();
  ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("-o"), out("alone.png")}), 0)
      << errorText();
  const QImage opaque = argb("opaque.png");
  const QImage alone = argb("alone.png");
  ASSERT_EQ(alone.size(), QSize(160, 90));
  EXPECT_TRUE(QImage(out("alone.png")).hasAlphaChannel());
  EXPECT_EQ(alone.pixel(0, 0), 0u);
  EXPECT_EQ(alone.pixel(159, 89), 0u);
  EXPECT_EQ(alone.pixel(10, 45), 0u);  // left of the design's place

  // Opaque pixels are the canvas's own; the rest laid over white give it
  // back to within the engine's rounding.
  int opaquePixels = 0;
  for (int y = 0; y < alone.height(); ++y)
    for (int x = 0; x < alone.width(); ++x) {
      const QRgb cut = alone.pixel(x, y);
      const QRgb drawn = opaque.pixel(x, y);
      if (qAlpha(cut) == 255) {
        ++opaquePixels;
        ASSERT_EQ(cut, drawn) << x << ',' << y;
        continue;
      }
      const double a = qAlpha(cut) / 255.0;
      const auto overWhite = [a](int channel) { return channel * a + 255 * (1 - a); };
      ASSERT_NEAR(overWhite(qRed(cut)), qRed(drawn), 2.0) << x << ',' << y;
      ASSERT_NEAR(overWhite(qGreen(cut)), qGreen(drawn), 2.0) << x << ',' << y;
      ASSERT_NEAR(overWhite(qBlue(cut)), qBlue(drawn), 2.0) << x << ',' << y;
    }
  EXPECT_GT(opaquePixels, 100);
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(TransparentRender, TrimCutsToTheVisibleDesignPlusTheMargin) {
  ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("-o"), out("whole.png")}), 0);
  const QImage whole = argb("whole.png");
  const QRect extent = alphaExtent(whole);
  ASSERT_FALSE(extent.isEmpty());
  for (const int margin : {0, 3, 40}) {
    ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("--trim"),
                   QString::number(margin), QStringLiteral("-o"), out("trimmed.png")}),
              0)
        << errorText();
    const QImage trimmed = argb("trimmed.png");
    ASSERT_EQ(trimmed.size(), extent.size() + QSize(2 * margin, 2 * margin)) << margin;
    EXPECT_EQ(alphaExtent(trimmed), extent.translated(margin - extent.x(), margin - extent.y()));
    for (const QPoint at : {QPoint(0, 0), QPoint(extent.width() / 2, extent.height() / 2),
                            QPoint(extent.width() - 1, extent.height() - 1)})
      EXPECT_EQ(trimmed.pixel(at + QPoint(margin, margin)), whole.pixel(at + extent.topLeft()))
          << margin;
    // A margin reaching past the canvas (40 > 20 on the left) is transparent too.
    EXPECT_EQ(trimmed.pixel(0, 0), 0u);
  }
}

TEST_F(TransparentRender, WebpKeepsTheSameAlphaAsPng) {
  ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("--trim"), QStringLiteral("2"),
                 QStringLiteral("-o"), out("t.png")}),
            0);
  ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("--trim"), QStringLiteral("2"),
                 QStringLiteral("-o"), out("t.webp")}),
            0)
      << errorText();
  EXPECT_EQ(argb("t.webp"), argb("t.png"));
  // --quality makes WebP lossy; what no layer covers stays clear.
  ASSERT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("--trim"), QStringLiteral("2"),
                 QStringLiteral("--quality"), QStringLiteral("20"), QStringLiteral("-o"),
                 out("lossy.webp")}),
            0);
  EXPECT_NE(contentOf(out("lossy.webp")), contentOf(out("t.webp")));
  const QImage lossy = argb("lossy.webp");
  EXPECT_EQ(lossy.size(), argb("t.png").size());
  EXPECT_EQ(qAlpha(lossy.pixel(0, 0)), 0);
}

TEST_F(TransparentRender, NothingToTrimAndNonTransparentFormatsAreRefused) {
  std::fclose(errors);
  errors = std::tmpfile();
  // The braille blank is a printable character with an empty glyph.
  QStringList blank{QStringLiteral("--render"), QStringLiteral("--text"),
                    QStringLiteral("\u2800"),   QStringLiteral("--transparent"),
                    QStringLiteral("--trim"),   QStringLiteral("1"),
                    QStringLiteral("-o"),       out("blank.png")};
  EXPECT_EQ(runRenderCommand(blank, {program.path(), QStringLiteral(ENGINE_PATH), output, errors}),
            1);
  EXPECT_EQ(errorText(), "Velloro: '" + out("blank.png").toStdString() +
                             "': --trim: the title leaves no visible pixel to cut out\n");
  EXPECT_EQ(run({QStringLiteral("--transparent"), QStringLiteral("-o"), out("t.jpg")}), 2);
  EXPECT_EQ(errorText(), "Velloro: --transparent needs a .png or .webp picture\n");
  EXPECT_EQ(
      run({QStringLiteral("--trim"), QStringLiteral("1"), QStringLiteral("-o"), out("t.png")}), 2);
  EXPECT_EQ(errorText(), "Velloro: --trim needs --transparent\n");

  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "Home\thome.bmp\nShop\tshop.png\n");
  EXPECT_EQ(run({QStringLiteral("--batch"), list, QStringLiteral("--transparent"),
                 QStringLiteral("--out-dir"), pictures.path()}),
            1);
  EXPECT_EQ(errorText(), "Velloro: " + list.toStdString() +
                             ":1: 'home.bmp': --transparent needs a .png or .webp picture\n"
                             "1/2 Home\n2/2 Shop\n");
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files), QStringList{QStringLiteral("shop.png")});
  EXPECT_TRUE(QImage(out("shop.png")).hasAlphaChannel());
}
