// A drawn shape drawn anew at 2x and 3x for Export for the web, and why a
// design that cannot be is refused, against the engine itself.
#include "output/denser_shape.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "design/design_state.h"
#include "desktop/scripted_platform.h"
#include "files/bmp_file.h"
#include "files/failure.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "rendering/whole_design.h"

using namespace Qt::StringLiterals;

namespace {

SketchFigure figure(int tool, QPoint start, QPoint end, int pen, QColor colour = Qt::black,
                    double ratio = 1.0) {
  return {tool, start, end, pen, colour, ratio};
}

// Every kind of figure the tool draws, an eraser stroke through them.
ShapeDrawing drawnShape() {
  ShapeDrawing drawing;
  drawing.sheet = QSize(300, 160);
  drawing.figures = {
      figure(sketchTool::FilledRectangle, {20, 20}, {120, 90}, 15),
      figure(sketchTool::FilledEllipse, {200, 70}, {260, 70}, 9, Qt::black, 0.5),
      figure(sketchTool::Freehand, {30, 130}, {60, 110}, 12),
      figure(sketchTool::Freehand, {60, 110}, {90, 140}, 12),
      figure(sketchTool::Freehand, {90, 140}, {130, 115}, 12),
      figure(sketchTool::Eraser, {40, 55}, {110, 55}, 9, Qt::white),
      figure(sketchTool::Line, {160, 130}, {280, 140}, 6),
      figure(sketchTool::Rectangle, {150, 10}, {190, 40}, 3),
  };
  return drawing;
}

// Each pixel of `dense` is `scale` x `scale` pixels of the picture at 1x:
// their mean, premultiplied, is what a browser shows when it shrinks it.
QImage boxShrunk(const QImage& dense, int scale) {
  const QImage premultiplied = dense.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage shrunk(dense.size() / scale, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < shrunk.height(); ++y)
    for (int x = 0; x < shrunk.width(); ++x) {
      int sum[4] = {};
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) {
          const QRgb p = premultiplied.pixel(x * scale + dx, y * scale + dy);
          sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
        }
      const int n = scale * scale;
      shrunk.setPixel(x, y, qRgba(sum[1] / n, sum[2] / n, sum[3] / n, sum[0] / n));
    }
  return shrunk;
}

double meanDifference(const QImage& one, const QImage& other) {
  const QImage a = one.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage b = other.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      total += std::abs(qAlpha(p) - qAlpha(q)) + std::abs(qRed(p) - qRed(q)) +
               std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return total / (4.0 * a.width() * a.height());
}

class DenserShapeTest : public testing::Test {
 protected:
  void SetUp() override {
    window.workingFiles.canvas = folder.filePath(u"canvas.bmp"_s);
    window.workingFiles.shape = folder.filePath(u"shape.bmp"_s);
    window.sourceKind = SourceKind::Shape;
    window.designFrame.left = 70;
    window.designFrame.top = 45;
  }

  // The window's Draw of the shape from its file, and the design it shows.
  WholeDesign drawnInTheWindow(const ShapeDrawing& drawing) {
    saveBmp(framedShape(drawnSheet(drawing, 1), 1), window.workingFiles.shape);
    window.kindSettings[SourceKind::Shape].available = true;
    QImage canvas(canvasSize, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    captureCanvas(window, canvas);
    renderDesign(window, QImage(), {window.textPicture.roundedFontSize(), 1},
                 windowEngine.entryPoints(), seam);
    return wholeDesign(canvasSize, windowEngine.entryPoints(), QPoint(), 100);
  }

  QString refusal(const WholeDesign& whole) {
    return denserRefusal(
        window, whole,
        [this]() -> const EngineEntryPoints& {
          ++enginesAsked;
          return exportEngine.entryPoints();
        },
        seam);
  }

  const QSize canvasSize{480, 300};
  QTemporaryDir folder;
  DesignState window;
  ScriptedPlatform seam;
  EngineLibrary windowEngine{QStringLiteral(ENGINE_PATH)};
  EngineLibrary exportEngine{QStringLiteral(ENGINE_PATH)};
  int enginesAsked = 0;
};

}  // namespace

TEST_F(DenserShapeTest, EachDensityIsExactlyThatManyTimesTheAreaEachWay) {
  window.shapeDrawing = drawnShape();
  const QRect areas[] = {{0, 0, 480, 300}, {13, 7, 123, 77}, {-40, -20, 31, 500}};
  for (const QRect area : areas)
    for (const int density : {1, 2, 3}) {
      const QImage picture = shapeAlone(window, area, density, exportEngine.entryPoints(), seam);
      EXPECT_EQ(picture.size(), QSize(area.width() * density, area.height() * density))
          << area.x() << "," << area.y() << " at " << density;
    }
}

// A browser that shows the 2x or 3x copy in the place of the picture shows
// what the picture shows: the shape where it stands, the same size.
TEST_F(DenserShapeTest, TheDenserCopiesShrunkBackShowThePictureOfDensityOne) {
  window.shapeDrawing = drawnShape();
  const WholeDesign whole = drawnInTheWindow(*window.shapeDrawing);
  const QRect area = whole.extent.adjusted(-4, -4, 4, 4);
  const QImage one = whole.design.copy(area.translated(whole.canvasAt));
  ASSERT_GT(area.width(), 250);
  EXPECT_TRUE(showsTheSame(shapeAlone(window, area, 1, exportEngine.entryPoints(), seam), one));
  for (const int density : {2, 3}) {
    const QImage dense = shapeAlone(window, area, density, exportEngine.entryPoints(), seam);
    const double off = meanDifference(boxShrunk(dense, density), one);
    EXPECT_LE(off, 4.0) << density;
    // Nearer than the picture moved by one pixel: the copy keeps the place.
    EXPECT_LT(off, meanDifference(boxShrunk(dense, density), one.copy(one.rect().translated(1, 0))))
        << density;
  }
}

TEST_F(DenserShapeTest, WithoutFiguresTheShapeIsNotDrawnAnew) {
  EXPECT_THROW(shapeAlone(window, {0, 0, 10, 10}, 2, exportEngine.entryPoints(), seam), Failure);
}

TEST_F(DenserShapeTest, ADesignThatCannotBeDrawnAnewSaysWhy) {
  const ShapeDrawing drawn = drawnShape();
  ShapeDrawing changed = drawn;
  changed.figures.removeLast();
  const QString more =
      u"The canvas shows more than the shape as drawn now (a title beside it, or a shape not drawn "
      u"since it changed): only a title alone or a shape alone is drawn anew at 2x and 3x."_s;
  const struct {
    const char* name;
    SourceKind source;
    std::optional<ShapeDrawing> figures;  // those the design keeps
    bool pictureKeyed;
    QString reason;
    int enginesAsked;
  } cases[] = {
      {"a drawn shape", SourceKind::Shape, drawn, false, QString(), 1},
      {"a shape of pixels only", SourceKind::Shape, std::nullopt, false,
       u"This shape is kept as its pixels only, without the figures it was drawn with: it cannot "
       u"be drawn at 2x and 3x. Draw it again in the shape tool to export it denser."_s,
       0},
      {"a shape changed since Draw", SourceKind::Shape, changed, false, more, 1},
      {"a shape with a photo", SourceKind::Shape, drawn, true,
       u"A picture cut out of a photo has only the photo's pixels: it cannot be drawn at 2x and "
       u"3x."_s,
       0},
      {"a title beside the shape", SourceKind::Text, drawn, false,
       u"A shape is drawn beside the title: only a title alone or a shape alone is drawn anew at "
       u"2x and 3x."_s,
       0},
  };
  const WholeDesign whole = drawnInTheWindow(drawn);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    window.sourceKind = c.source;
    window.shapeDrawing = c.figures;
    window.kindSettings[SourceKind::Picture].available = c.pictureKeyed;
    enginesAsked = 0;
    EXPECT_EQ(refusal(whole), c.reason);
    EXPECT_EQ(enginesAsked, c.enginesAsked);
  }
  // A title alone is drawn anew, and no shape engine is made for it.
  window.kindSettings[SourceKind::Shape].available = false;
  window.kindSettings[SourceKind::Picture].available = false;
  window.sourceKind = SourceKind::Text;
  enginesAsked = 0;
  EXPECT_EQ(refusal(whole), QString());
  EXPECT_EQ(enginesAsked, 0);
}

TEST(ShowsTheSame, ToleratesRoundingOnlyAndColoursOnlyWhereSeen) {
  const auto picture = [](QRgb pixel, QSize size = {3, 2}) {
    QImage made(size, QImage::Format_ARGB32);
    made.fill(pixel);
    return made;
  };
  const QImage base = picture(qRgba(100, 150, 200, 180));
  const struct {
    const char* name;
    QImage other;
    bool same;
  } cases[] = {
      {"equal", base, true},
      {"opacity 8 off", picture(qRgba(100, 150, 200, 188)), true},
      {"opacity 9 off", picture(qRgba(100, 150, 200, 189)), false},
      {"red 9 off", picture(qRgba(109, 150, 200, 180)), false},
      {"blue 8 off", picture(qRgba(100, 150, 192, 180)), true},
      {"another size", picture(qRgba(100, 150, 200, 180), {2, 3}), false},
  };
  for (const auto& c : cases) EXPECT_EQ(showsTheSame(base, c.other), c.same) << c.name;
  // Where a pixel can hardly be seen its colour does not count.
  EXPECT_TRUE(showsTheSame(picture(qRgba(0, 0, 0, 30)), picture(qRgba(250, 9, 9, 30))));
  EXPECT_FALSE(showsTheSame(picture(qRgba(0, 0, 0, 33)), picture(qRgba(250, 9, 9, 33))));
}
