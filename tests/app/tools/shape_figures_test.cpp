// The shape tool keeps what the user draws as figures beside its pixels:
// drawn with the mouse, handed on by Apply, taken back by Undo.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "design/design_state.h"
#include "desktop/scripted_platform.h"
#include "files/picture_loading.h"
#include "rendering/engine_library.h"
#include "tools/drawing_area.h"
#include "tools/shape_tool.h"
#include "widgets/main_window_link.h"

using namespace Qt::StringLiterals;

namespace {

class LinkToNoWindow : public MainWindowLink {
 public:
  explicit LinkToNoWindow(DesignState& design) : design_(design) {}
  QWidget& ownerWindow() override { return owner_; }
  void activateOwner() override {}
  void selectSource(SourceKind kind, Qt::MouseButton) override { selected.push_back(kind); }
  void setTextInFont(const QString&, const QString&) override {}
  void showEllipseRatio() override { design_.ellipseRatio = 0.5; }
  void replaceCanvas(const QImage&) override {}
  QColor canvasBackColour() const override { return Qt::white; }
  void setCanvasBackColour(const QColor&) override {}
  void openHandedFiles(const QStringList&) override {}
  EngineLibrary& engine() const override { return engine_; }
  const QString& programFolder() const override { return folder_; }

  std::vector<SourceKind> selected;

 private:
  DesignState& design_;
  QWidget owner_;
  mutable EngineLibrary engine_{u"no engine"_s};
  QString folder_;
};

class ShapeFiguresTest : public testing::Test {
 protected:
  void SetUp() override {
    state.workingFiles.shape = u"set by the tool"_s;
    tool.load();
    tool.show();
  }

  // A press, the moves between and a release, as the mouse makes them.
  void drag(int toolIndex, int penSlider, const QList<QPoint>& places) {
    QTest::mouseClick(tool.toolButtons()[toolIndex], Qt::LeftButton);
    tool.penWidthSlider()->setValue(penSlider);
    DrawingArea* area = tool.drawingArea();
    QTest::mousePress(area, Qt::LeftButton, {}, places.front());
    for (const QPoint& place : places.sliced(1)) QTest::mouseMove(area, place);
    QTest::mouseRelease(area, Qt::LeftButton, {}, places.back());
  }

  QImage drawnAgain() const { return drawnSheet(tool.drawing(), 1); }

  DesignState state;
  ScriptedPlatform seam;
  LinkToNoWindow link{state};
  ShapeTool tool{link, ToolDesign(state), seam};
};

const struct Drag {
  int tool;
  int penSlider;
  QList<QPoint> places;
  int figures;  // a stroke keeps a figure for each move
} drags[] = {
    {sketchTool::FilledRectangle, 5, {{40, 30}, {120, 60}, {200, 110}}, 1},
    {sketchTool::Freehand, 3, {{30, 200}, {60, 170}, {95, 215}, {140, 180}}, 3},
    {sketchTool::Eraser, 2, {{50, 70}, {180, 70}}, 1},
    {sketchTool::FilledEllipse, 4, {{330, 120}, {400, 120}}, 1},
    {sketchTool::Line, 1, {{250, 250}, {500, 200}}, 1},
    {sketchTool::Rectangle, 2, {{420, 20}, {520, 90}}, 1},
    {sketchTool::Ellipse, 6, {{300, 200}, {340, 230}}, 1},
};

}  // namespace

// Each figure keeps what the mouse drew; each undo step takes back the
// figures drawn since with their pixels; Apply hands on what is left.
TEST_F(ShapeFiguresTest, TheFiguresDrawTheDrawingAgainThroughUndoAndApply) {
  QList<QImage> pictures{tool.drawingArea()->picture()};
  QList<qsizetype> counts{0};
  for (const Drag& each : drags) {
    drag(each.tool, each.penSlider, each.places);
    pictures << tool.drawingArea()->picture();
    counts << counts.back() + each.figures;
    ASSERT_EQ(tool.drawing().figures.size(), counts.back()) << each.tool;
    ASSERT_EQ(drawnAgain(), pictures.back()) << each.tool;
  }
  EXPECT_EQ(tool.drawing().sheet, pictures[0].size());
  for (qsizetype step = pictures.size() - 2; step >= 3; --step) {
    QTest::mouseClick(tool.undoButton(), Qt::LeftButton);
    ASSERT_EQ(tool.drawingArea()->picture(), pictures[step]) << step;
    EXPECT_EQ(tool.drawing().figures.size(), counts[step]) << step;
    EXPECT_EQ(drawnAgain(), pictures[step]) << step;
  }
  drag(sketchTool::Line, 3, {{10, 10}, {500, 270}});
  EXPECT_EQ(tool.drawing().figures.size(), counts[3] + 1);
  EXPECT_EQ(drawnAgain(), tool.drawingArea()->picture());
  QTest::mouseClick(tool.undoButton(), Qt::LeftButton);
  EXPECT_FALSE(state.shapeDrawing);

  QTest::mouseClick(tool.applyButton(), Qt::LeftButton);
  ASSERT_EQ(link.selected, std::vector<SourceKind>{SourceKind::Shape});
  EXPECT_TRUE(state.kindSettings[SourceKind::Shape].available);
  EXPECT_EQ(state.shapeDrawing->figures.size(), counts[3]);
  EXPECT_EQ(state.shapeDrawing, tool.drawing());
  EXPECT_EQ(loadPicture(state.workingFiles.shape).convertToFormat(QImage::Format_RGB888),
            framedShape(pictures[3], 1));
}
