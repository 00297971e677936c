// How much of the design a rendered picture holds: a fitted canvas, a fixed
// one that cuts it (told on standard error), or the design alone; and the
// title drawn N times as dense with `--scale N`, which shrunk back by N looks
// like the title at scale 1.
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <tuple>

#include "render_run_fixture.h"
#include "shrunk_difference.h"

using CanvasFit = RenderRunFixture;

// The fitted picture is, to the byte, the part of a roomy fixed canvas
// (drawn as the window draws) that holds the design and the margin.
TEST_F(CanvasFit, FittedCanvasIsTheDesignPlusTheMargin) {
  for (const char* effect : {"engraved", "drop-shadow", "glow", "cast-shadow"}) {
    const auto fitted = [&](const char* more, const char* name) {
      const QImage picture = rendered(QStringLiteral("--text % --effect %1 %2 -o %")
                                          .arg(QLatin1String(effect), QLatin1String(more)),
                                      name, {QStringLiteral("Sunny Bakery")});
      EXPECT_EQ(errorText(), "") << effect;
      return picture;
    };
    const QRect design =
        alphaExtent(fitted("--canvas 2400x900 --at 400,300 --transparent", "alone.png"));
    ASSERT_TRUE(QRect(0, 0, 2400, 900).contains(design.adjusted(-7, -7, 7, 7))) << effect;
    EXPECT_EQ(fitted("--margin 6", "fit.png"),
              fitted("--canvas 2400x900 --at 400,300", "f.png").copy(design.adjusted(-6, -6, 6, 6)))
        << effect;
    const QImage alone = fitted("--transparent", "t.png");
    EXPECT_EQ(alone.size(), design.size() + QSize(20, 20)) << effect;
    EXPECT_EQ(alphaExtent(alone), alone.rect().adjusted(10, 10, -10, -10)) << effect;
  }
}

// A background picture fixes the canvas as --canvas does.
TEST_F(CanvasFit, AFixedCanvasThatCutsIsToldAndTransparentHoldsAll) {
  const QString title = QStringLiteral("Sunny Bakery");
  const QImage alone = rendered("--text % --canvas 300x80 --transparent -o %", "a.png", {title});
  EXPECT_EQ(errorText(), "");
  const int right = alone.width() - 300;
  const int bottom = alone.height() - 80;
  ASSERT_GT(right, 100);
  ASSERT_GT(bottom, 0);
  EXPECT_EQ(alphaExtent(alone).bottomRight(), QPoint(alone.width() - 1, alone.height() - 1));

  EXPECT_EQ(rendered("--text % --canvas 300x80 -o %", "cut.png", {title}).size(), QSize(300, 80));
  EXPECT_EQ(errorText(), "Velloro: the design runs past the canvas: right by " +
                             std::to_string(right) + " px, bottom by " + std::to_string(bottom) +
                             " px\n");

  QImage wall(300, 80, QImage::Format_RGB888);
  wall.fill(Qt::gray);
  ASSERT_TRUE(wall.save(out("wall.bmp")));
  rendered("--text % --background % --at -60,-30 -o %", "up.png", {title, out("wall.bmp")});
  EXPECT_TRUE(errorText().starts_with("Velloro: the design runs past the canvas: left by "));
  EXPECT_NE(errorText().find(" px, top by "), std::string::npos) << errorText();

  const QString list = batchList("OK\tok.png\nSunny Bakery\tsunny.png\n");
  EXPECT_EQ(run("--batch % --canvas 300x200 --out-dir %", {list, pictures.path()}), 0);
  EXPECT_EQ(errorText(), "1/2 OK\nVelloro: " + list.toStdString() +
                             ":2: 'sunny.png': the design runs past the canvas: right by " +
                             std::to_string(right) + " px\n2/2 Sunny Bakery\n");
}

// A margin reaching past the canvas (40 > 20 on the left) is transparent too.
TEST_F(CanvasFit, TrimCutsToTheVisibleDesignPlusTheMarginInPngOrWebp) {
  // "Ve" on a small canvas, written whole and trimmed.
  const auto ve = [this](const std::string& more, const char* name) {
    return rendered(
        "--size 30 --canvas 160x90 --at 20,15 --text Ve -o % " + QString::fromStdString(more),
        name);
  };
  const QImage whole = ve("--transparent", "whole.png");
  ASSERT_EQ(whole.size(), QSize(160, 90));  // the canvas, which holds the design
  const QRect extent = alphaExtent(whole);
  for (const int margin : {0, 3, 40}) {
    const QImage trimmed = ve("--transparent --trim " + std::to_string(margin), "t.png");
    ASSERT_EQ(trimmed.size(), extent.size() + QSize(2 * margin, 2 * margin)) << margin;
    EXPECT_EQ(alphaExtent(trimmed), extent.translated(margin - extent.x(), margin - extent.y()));
    for (const QPoint at : {QPoint(0, 0), QPoint(extent.width() / 2, extent.height() / 2),
                            QPoint(extent.width() - 1, extent.height() - 1)})
      EXPECT_EQ(trimmed.pixel(at + QPoint(margin, margin)), whole.pixel(at + extent.topLeft()));
    EXPECT_EQ(trimmed.pixel(0, 0), 0u);
  }
  // --quality makes WebP lossy; what no layer covers stays clear.
  const QImage png = ve("--transparent --trim 2", "t.png");
  EXPECT_EQ(ve("--transparent --trim 2", "t.webp"), png);
  const QImage lossy = ve("--transparent --trim 2 --quality 20", "lossy.webp");
  EXPECT_NE(contentOf(out("lossy.webp")), contentOf(out("t.webp")));
  EXPECT_EQ(qAlpha(lossy.pixel(0, 0)), 0);
}

// At one point the letters are lighter than the engine's half-way mark: no
// design, on a canvas or cut out. A design placed far off a small canvas
// would make a transparent picture past the largest canvas: refused by its
// size.
TEST_F(CanvasFit, NothingToDrawOrAPictureFarPastTheCanvasIsRefused) {
  const QRect design = alphaExtent(
      rendered("--text A --canvas 2400x900 --at 400,300 --transparent -o %", "near.png"));
  ASSERT_FALSE(design.isEmpty());
  const QPoint shift = design.topLeft() - QPoint(400, 300);
  const auto tooLarge = [this](int width, int height) {
    return "Velloro: '" + toldPath() + "': --transparent: the picture would be " +
           std::to_string(width) + "x" + std::to_string(height) +
           " pixels, more than 8192 a side\n";
  };
  const std::string blank = "Velloro: '" + toldPath() +
                            "': the title draws no pixel: its letters are too small or blank in "
                            "the font\n";
  const std::pair<const char*, std::string> cases[] = {
      {"--text A --size 1 --transparent --trim 1 -o %", blank},
      {"--text A --size 1 --transparent -o %", blank},
      {"--text A --size 1 -o %", blank},
      {"--text A --canvas 10x10 --at 20000,20000 --transparent -o %",
       tooLarge(design.right() + 1 - 400 + 20000, design.bottom() + 1 - 300 + 20000)},
      {"--text A --canvas 10x10 --at -100000,-9000 --transparent -o %",
       tooLarge(10 - (shift.x() - 100000), 10 - (shift.y() - 9000))},
  };
  for (const auto& [line, message] : cases) expectTold(QLatin1String(line), {}, 1, message);
}

// A batch line whose format holds no transparency is refused on its own.
TEST_F(CanvasFit, ATransparentBatchRefusesALineWithoutTransparency) {
  const QString list = batchList("Home\thome.bmp\nShop\tshop.png\n");
  EXPECT_EQ(run("--batch % --transparent --out-dir %", {list, pictures.path()}), 1);
  EXPECT_EQ(errorText(), "Velloro: " + list.toStdString() +
                             ":1: 'home.bmp': --transparent needs a .png or .webp picture\n"
                             "1/2 Home\n2/2 Shop\n");
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files), QStringList{QStringLiteral("shop.png")});
  EXPECT_TRUE(QImage(out("shop.png")).hasAlphaChannel());
}

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

// A denser picture is the title of scale 1 at N times the pixels: its width
// and height are exactly N times, whatever decides them.
TEST_F(ScaledRender, EverySizeIsExactlyNTimesTheTitleAtScaleOne) {
  const char* lines[] = {
      "--text Shop --effect drop-shadow",
      "--text Shop --material 7 --effect glow --margin 13",
      "--text Ve --effect cast-shadow --canvas 120x70 --at 9,4",
      "--text Ve --canvas 121x90 --background #102030 --at 60,40",
      "--text Shop --effect raised --transparent",
      "--text Shop --effect none --transparent --trim 10",
      "--text Shop --material 6 --effect outline2 --transparent --trim 0",
  };
  for (const char* line : lines) {
    const QImage one = rendered(QLatin1String(line) + QStringLiteral(" --scale 1 -o %"), "one.png");
    for (int scale : {2, 3, 4}) {
      const QImage dense =
          rendered(QLatin1String(line) + QStringLiteral(" --scale %1 -o %").arg(scale), "n.png");
      EXPECT_EQ(dense.size(), one.size() * scale) << line << " at " << scale << "x";
    }
  }
}

// Nothing is written to render: a batch's lanes make engine objects, not
// copies of the engine, so its temporary folder is never touched.
TEST_F(ScaledRender, ABatchLeavesItsTemporaryFolderUntouchedThroughout) {
  const QString folder = temporary.filePath(QStringLiteral("watched"));
  ASSERT_TRUE(QDir().mkpath(folder));
  qputenv("TMPDIR", QFile::encodeName(folder));
  QFileSystemWatcher watcher({folder});
  int changes = 0;
  QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, [&] { ++changes; });
  QFile list(temporary.filePath(QStringLiteral("titles.txt")));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  for (int i = 1; i <= 100; ++i) list.write(QStringLiteral("T%1\tt%1.png\n").arg(i).toUtf8());
  list.close();
  EXPECT_EQ(run(QStringLiteral("--batch % --out-dir %"), {list.fileName(), pictures.path()}), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(QDir(folder).isEmpty());
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files).size(), 100);
  QDir(folder).removeRecursively();
  list.remove();
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

// A wide margin, past the room the probe leaves around the design, is the
// narrow one's picture surrounded by the canvas colour.
TEST_F(CanvasFit, PastTheProbeTheMarginIsThePlainCanvas) {
  const QImage narrow = rendered("--text Wq --background #336699 --margin 3 -o %", "n.png");
  const QImage wide = rendered("--text Wq --background #336699 --margin 250 -o %", "w.png");
  ASSERT_EQ(wide.size(), narrow.size() + QSize(494, 494));
  EXPECT_EQ(wide.copy(247, 247, narrow.width(), narrow.height()), narrow);
  for (const QPoint at : {QPoint(0, 0), QPoint(wide.width() - 1, wide.height() - 1)})
    EXPECT_EQ(wide.pixel(at), 0xff336699u);
}

// A stack of effects reaches as far as its entries together: a wide glow
// under a far shadow is held whole by the transparent picture, --trim and
// the fitted canvas, whichever of the two lies on top.
TEST_F(CanvasFit, TheDesignHoldsEveryEntrysReach) {
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
