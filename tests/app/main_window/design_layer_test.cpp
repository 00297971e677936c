// The drawn design stays a layer of its own over the canvas: every command
// that changes or writes the canvas shows the design on the new background
// at once, exactly as Draw would, and the next Draw replaces it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <functional>

#include "main_window/live_preview.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "state/design_state.h"
#include "widgets/picture_box.h"

namespace {

QImage filled(QSize size, QColor colour) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(colour);
  return picture;
}

class DesignLayerTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QDir(folder.path()).mkpath(QStringLiteral("inputs"));
    design().currentPictureName = folder.filePath(QStringLiteral("inputs/MyPic.bmp"));
    window->draw();
    drawn = canvas();
  }
  QImage canvas() const { return window->canvasView()->picture(); }
  void run(const char* entry) { window->menuEntry(QLatin1String(entry))->trigger(); }
  // Draw's own picture of the design on the present background.
  QImage drawnAgain() {
    window->draw();
    return canvas();
  }

  QImage drawn;
};

}  // namespace

// After each command the canvas is what Draw gives on the new background,
// and the live preview still follows.
TEST_F(DesignLayerTest, EveryCanvasCommandShowsTheDesignAsDrawWould) {
  const QImage red = filled({631, 331}, Qt::red);
  red.save(folder.filePath(QStringLiteral("inputs/red.png")));
  struct Case {
    const char* name;
    std::function<void()> command;
  };
  seam->fileAnswers.push_back(folder.filePath(QStringLiteral("inputs/red.png")));
  const Case cases[] = {
      {"save", [&] { run("mnuFileSave"); }},
      {"open", [&] { run("mnuFileOpen"); }},
      {"undo", [&] { run("mnuEditUndo"); }},
      {"redo", [&] { run("mnuEditRedo"); }},
      {"paste",
       [&] {
         QApplication::clipboard()->setImage(filled({500, 300}, Qt::yellow));
         run("mnuEditPaste");
       }},
      {"new canvas",
       [&] {
         window->replaceCanvas(filled({400, 200}, Qt::green));
       }},
  };
  for (const Case& c : cases) {
    c.command();
    const QImage shown = canvas();
    EXPECT_EQ(shown, drawnAgain()) << c.name;
    EXPECT_TRUE(window->livePreview().designOnCanvas()) << c.name;
  }
  // Only Open asked about the drawn design, and was told to discard it.
  for (const Message& message : seam->messages)
    EXPECT_EQ(message.buttons, MessageButtons::SaveDiscardCancel) << message.text.toStdString();
}

// A crop cuts the background; the design keeps its place on what is kept,
// comes back whole with the undo, and a Draw on the cut canvas replaces it.
TEST_F(DesignLayerTest, CropKeepsTheDesignALiveLayerAtItsPlace) {
  const QRect kept(3, 2, 400, 150);
  window->toolButton(QStringLiteral("Crop"))->trigger();
  pressCanvas(kept.bottomRight() + QPoint(1, 1));
  moveCanvas(kept.topLeft());
  releaseCanvas(kept.topLeft());
  ASSERT_EQ(canvas().size(), kept.size());
  EXPECT_EQ(canvas(), drawn.copy(kept));
  EXPECT_EQ(drawnAgain(), drawn.copy(kept));
  run("mnuEditUndo");
  EXPECT_EQ(canvas(), drawn);
  run("mnuEditRedo");
  EXPECT_EQ(canvas(), drawn.copy(kept));
  window->sourceFrame()->textBox()->setText(QString());
  EXPECT_EQ(drawnAgain(), filled(kept.size(), Qt::white));
}
