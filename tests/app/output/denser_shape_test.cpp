// A drawn shape drawn anew at 2x and 3x for Export for the web, and why a
// design that cannot be is refused, against the engine itself.
#include "output/denser_shape.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "design/design_state.h"
#include "desktop/scripted_platform.h"
#include "files/bmp_file.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "rendering/whole_design.h"
#include "shrunk_difference.h"
#include "test_shapes.h"

using namespace Qt::StringLiterals;

namespace {

class DenserShapeTest : public testing::Test {
 protected:
  DenserShapeTest() {
    window.workingFiles.canvas = folder.filePath(u"canvas.bmp"_s);
    window.workingFiles.shape = folder.filePath(u"shape.bmp"_s);
    window.sourceKind = SourceKind::Shape;
    window.designFrame.left = 150;
    window.designFrame.top = 130;
    window.shapeDrawing = drawnShape();
  }

  // The window's Draw of the shape from its file, and the design it shows.
  WholeDesign drawnInTheWindow() {
    saveBmp(framedShape(drawnSheet(drawnShape(), 1), 1), window.workingFiles.shape);
    window.kindSettings[SourceKind::Shape].available = true;
    QImage canvas(640, 480, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    captureCanvas(window, canvas);
    renderDesign(window, PrintedText{}, {window.textPicture.roundedFontSize(), 1},
                 windowEngine.entryPoints(), seam);
    return wholeDesign(canvas.size(), windowEngine.entryPoints(), QPoint(), 100);
  }

  QTemporaryDir folder;
  DesignState window;
  ScriptedPlatform seam;
  EngineLibrary windowEngine{QStringLiteral(ENGINE_PATH)};
  EngineLibrary exportEngine{QStringLiteral(ENGINE_PATH)};
};

}  // namespace

// Shown by a browser in the picture's place, a copy shows what the picture
// shows: exactly N times its size, the shape where it stands; also turned,
// with a shadow and a gradient whose measures the engine takes at density 1.
TEST_F(DenserShapeTest, TheDenserCopiesShrunkBackShowThePictureOfDensityOne) {
  for (const bool turned : {false, true}) {
    if (turned) {
      setKind(window.model, Setting::FillKind, FillKind::Gradient);
      setKind(window.model, Setting::Deformation, DeformationType::Rotate);
      window.model.set(Setting::DeformationAmount, int32_t(30));
      window.model.set(Setting::Effects, EffectStack{{EffectType::DropShadow, {10, 12, 40}, {}}});
    }
    const WholeDesign whole = drawnInTheWindow();
    const QRect area = whole.extent.adjusted(-4, -4, 4, 4);
    const QImage one = whole.design.copy(area.translated(whole.canvasAt));
    ASSERT_GT(area.width(), 150);
    EXPECT_TRUE(showsTheSame(shapeAlone(window, area, 1, exportEngine.entryPoints(), seam), one));
    for (const int density : {2, 3}) {
      const QImage dense = shapeAlone(window, area, density, exportEngine.entryPoints(), seam);
      ASSERT_EQ(dense.size(), QSize(area.width() * density, area.height() * density));
      const double off = shrunkDifference(one, dense, density);
      EXPECT_LE(off, 4.0) << density << turned;
      // Nearer than the picture moved by one pixel: the copy keeps the place.
      // (Turned, the engine's turn lands up to a pixel of density 1 aside.)
      if (!turned) {
        EXPECT_LT(off, shrunkDifference(one.copy(one.rect().translated(1, 0)), dense, density));
      }
    }
  }
}

TEST_F(DenserShapeTest, ADesignThatCannotBeDrawnAnewSaysWhy) {
  ShapeDrawing changed = drawnShape();
  changed.figures.removeLast();
  const QString more =
      u"The canvas shows more than the shape as drawn now (a title beside it, or a shape not drawn "
      u"since it changed): only a title alone or a shape alone is drawn anew at 2x and 3x."_s;
  const struct {
    SourceKind source;
    std::optional<ShapeDrawing> figures;  // those the design keeps
    bool shape, photo;
    QString reason;
    int enginesAsked;
  } cases[] = {
      {SourceKind::Shape, drawnShape(), true, false, QString(), 1},
      {SourceKind::Shape, std::nullopt, true, false,
       u"This shape is kept as its pixels only, without the figures it was drawn with: it cannot "
       u"be drawn at 2x and 3x. Draw it again in the shape tool to export it denser."_s,
       0},
      {SourceKind::Shape, changed, true, false, more, 1},
      {SourceKind::Shape, drawnShape(), false, false, more, 0},
      {SourceKind::Text, drawnShape(), true, false,
       u"A shape is drawn beside the title: only a title alone or a shape alone is drawn anew at "
       u"2x and 3x."_s,
       0},
  };
  const WholeDesign whole = drawnInTheWindow();
  for (const auto& c : cases) {
    window.sourceKind = c.source;
    window.shapeDrawing = c.figures;
    window.kindSettings[SourceKind::Shape].available = c.shape;
    window.kindSettings[SourceKind::Picture].available = c.photo;
    int asked = 0;
    const auto engine = [&]() -> const EngineEntryPoints& {
      ++asked;
      return exportEngine.entryPoints();
    };
    EXPECT_EQ(denserRefusal(window, whole, engine, seam), c.reason) << c.reason.toStdString();
    EXPECT_EQ(asked, c.enginesAsked) << c.reason.toStdString();
  }
}
