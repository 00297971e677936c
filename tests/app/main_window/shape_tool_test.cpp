#include "tools/shape_tool.h"

#include <QSlider>
#include <QToolButton>

#include "files/picture_loading.h"
#include "main_window_fixture.h"
#include "tools/drawing_area.h"

class ShapeToolTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->menuEntry(u"mnuToolsDrawing"_s)->trigger();
    tool = window->shapeTool();
    ASSERT_NE(tool, nullptr);
  }

  void chooseTool(int index) { tool->toolButtons()[index]->click(); }
  void drag(QPoint from, QPoint to) {
    tool->pressed(Qt::LeftButton, from);
    tool->moved(Qt::LeftButton, (from + to) / 2);
    tool->moved(Qt::LeftButton, to);
    tool->released(to);
  }
  void expectDrawn(Pixels pixels) const { expectPixels(tool->drawingArea()->picture(), pixels); }

  ShapeTool* tool = nullptr;
};

TEST_F(ShapeToolTest, PenAtSlider10DrawsThirtyPixelsWideTheEraserWhiteAndEllipsesAskTheRatio) {
  tool->penWidthSlider()->setValue(10);
  chooseTool(sketchTool::Freehand);
  drag({50, 100}, {250, 100});
  expectDrawn({{{150, 86}, Qt::black}, {{150, 114}, Qt::black}, {{150, 120}, Qt::white}});
  chooseTool(sketchTool::Eraser);
  drag({150, 60}, {150, 140});
  expectDrawn({{{150, 100}, Qt::white}, {{136, 100}, Qt::white}, {{130, 100}, Qt::black}});
  chooseTool(sketchTool::Line);
  drag({300, 200}, {400, 200});
  expectDrawn({{{350, 200}, Qt::black}});  // the next tool paints black again
  tool->penWidthSlider()->setValue(1);
  chooseTool(sketchTool::Rectangle);
  drag({100, 150}, {200, 250});  // an outline leaves its inside white
  expectDrawn({{{100, 200}, Qt::black}, {{150, 200}, Qt::white}});
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto* slider = dialog.findChild<TrackSlider*>(u"MirelSlider1"_s);
    slider->setValue(50);  // ratio 0.5
    dialog.accept();
  });
  chooseTool(sketchTool::FilledEllipse);
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{u"Ellipse"_s});
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 0.5);
  drag({250, 140}, {330, 140});  // radius 80: 80 wide, 40 high
  expectDrawn({{{320, 140}, Qt::black}, {{250, 170}, Qt::black}, {{250, 195}, Qt::white}});
}

TEST_F(ShapeToolTest, EveryPressStoresAnUndoStepAndUndoGoesBackOne) {
  tool->pressed(Qt::LeftButton, {10, 10});
  tool->released({10, 10});
  const QImage afterFirst = tool->drawingArea()->picture();
  tool->pressed(Qt::LeftButton, {100, 100});
  tool->moved(Qt::LeftButton, {200, 150});
  expectDrawn({{{150, 125}, Qt::white}});  // the dragged figure is only shown
  EXPECT_TRUE(tool->drawingArea()->draggedFigure().has_value());
  tool->released({200, 150});
  EXPECT_FALSE(tool->drawingArea()->draggedFigure().has_value());
  expectDrawn({{{150, 125}, Qt::black}, {{250, 125}, Qt::white}});
  EXPECT_EQ(tool->undoFiles().level(), 2);
  EXPECT_TRUE(QFile::exists(tool->undoFiles().fileOfLevel(1)));
  tool->undoButton()->click();
  EXPECT_EQ(tool->undoFiles().level(), 1);
  EXPECT_EQ(tool->drawingArea()->picture(), afterFirst);
  tool->undoButton()->click();
  tool->undoButton()->click();
  EXPECT_EQ(tool->undoFiles().level(), 0);
  expectDrawn({{{150, 125}, Qt::white}});
  const QString step = tool->undoFiles().fileOfLevel(0);
  ASSERT_TRUE(QFile::exists(step));
  window.reset();
  EXPECT_FALSE(QFile::exists(step));
}

TEST_F(ShapeToolTest, AVanishedUndoStepAndAShapeFileThatCannotBeWrittenAreReported) {
  drag({100, 100}, {200, 150});
  QFile::remove(tool->undoFiles().fileOfLevel(0));
  tool->undoButton()->click();
  EXPECT_TRUE(onlyMessage().text.startsWith(u"error number : "_s));
  EXPECT_TRUE(onlyMessage().text.section('\r', 0, 0).endsWith(u"/37"_s));
  EXPECT_EQ(tool->undoFiles().level(), 1);
  expectDrawn({{{150, 125}, Qt::black}});
  design().workingFiles.shape = folder.filePath(u"missing/shape.bmp"_s);
  tool->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_TRUE(seam->messages[1].text.section('\r', 0, 0).endsWith(u"/38"_s));
  EXPECT_EQ(design().kindSettings[SourceKind::Shape].available, false);
  EXPECT_TRUE(tool->isVisible());
}

TEST_F(ShapeToolTest, CancelOrCloseLeavesTheShapeFileAndReturnsToTheText) {
  for (const bool titleBar : {false, true}) {
    SCOPED_TRACE(titleBar);
    window->menuEntry(u"mnuToolsDrawing"_s)->trigger();
    const QByteArray before = contentOf(design().workingFiles.shape);
    drag({100, 100}, {200, 150});
    ASSERT_EQ(design().sourceKind, SourceKind::Shape);
    titleBar ? (void)tool->close() : tool->cancelButton()->click();
    EXPECT_EQ(contentOf(design().workingFiles.shape), before);
    EXPECT_EQ(design().sourceKind, SourceKind::Text);
    EXPECT_FALSE(tool->isVisible());
  }
  window->menuEntry(u"mnuToolsDrawing"_s)->trigger();
  EXPECT_EQ(window->shapeTool(), tool);
  expectDrawn({{{150, 125}, Qt::black}});
}

TEST_F(ShapeToolTest, ApplyPutsTheDrawingInA32PixelMarginThatDrawTakesOff) {
  EXPECT_EQ(tool->parentWidget(), window.get());
  drag({0, 0}, {60, 40});
  tool->applyButton()->click();
  const QImage shape = loadPicture(design().workingFiles.shape);
  EXPECT_EQ(shape.size(), QSize(601, 345));
  EXPECT_FALSE(tool->isVisible());
  EXPECT_EQ(design().sourceKind, SourceKind::Shape);
  expectPixels(shape, {{{600, 344}, Qt::white}, {{32, 32}, Qt::black}});
  expectPixels(shape, {{{31, 32}, Qt::white}, {{32, 31}, Qt::white}});
  placeDesign({100, 80});
  const QImage before = window->canvasView()->picture();
  window->draw();
  EXPECT_TRUE(seam->messages.empty());
  const QImage after = window->canvasView()->picture();
  EXPECT_NE(after.pixelColor(130, 100), before.pixelColor(130, 100)) << "inside the shape";
  EXPECT_EQ(after.pixelColor(300, 250), before.pixelColor(300, 250)) << "far outside it";
  moveCanvas({300, 200}, Qt::NoButton);
  // The drawing area.
  EXPECT_EQ(QSize(design().designFrame.width, design().designFrame.height), QSize(537, 281));
}

// The preview's ellipse, measured on its black pixels through the centre.
static QSize previewExtent(const QImage& preview) {
  int left = 140, right = -1, top = 140, bottom = -1;
  for (int i = 0; i < 140; ++i) {
    if (preview.pixelColor(i, 70) == Qt::black)
      left = std::min(left, i), right = std::max(right, i);
    if (preview.pixelColor(70, i) == Qt::black)
      top = std::min(top, i), bottom = std::max(bottom, i);
  }
  return {right - left, bottom - top};
}

TEST_F(MainWindowTest, EllipseRatioDialogShowsAndSetsTheRatioAlsoForThePictureTool) {
  design().ellipseRatio = 2.5;
  EllipseRatioDialog dialog(*window, ToolDesign(design()), platform());
  dialog.load();
  seam->modalAnswers.push_back([&](QDialog&) {
    EXPECT_EQ(dialog.ratioSlider()->Value(), 130);
    EXPECT_EQ(dialog.ratioLabel()->text(), u"2.5"_s);
    const std::tuple<int, const char*, bool, bool> cases[] = {{100, "1", false, false},
                                                              {20, "0.2", true, false},
                                                              {180, "5", false, true},
                                                              {110, "1.5", false, false}};
    for (const auto& [slider, label, wide, tall] : cases) {
      dialog.ratioSlider()->setValue(slider);
      EXPECT_EQ(dialog.ratioLabel()->text(), QLatin1String(label));
      const QSize extent = previewExtent(dialog.preview());
      EXPECT_EQ(extent.width() > 4 * extent.height(), wide) << label;
      EXPECT_EQ(extent.height() > 4 * extent.width(), tall) << label;
      EXPECT_NEAR(extent.width(), slider == 100 ? 131 : extent.width(), 2);
    }
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
  });
  platform().showModal(dialog);
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 1.5);
  // The picture tool's ellipse asks the ratio too.
  window->showPictureTool();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    static_cast<EllipseRatioDialog&>(dialog).ratioSlider()->setValue(40);
  });
  window->pictureTool()->toolClicked(3);
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>(2, u"Ellipse"_s));
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 0.4);
}
