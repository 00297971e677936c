#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "test_files.h"

TEST_F(MainWindowTest, CropButtonTogglesOncePerClickAndTheToolsMenuShowsIt) {
  QAction* crop = window->toolButton(QStringLiteral("Crop"));
  QAction* entry = window->menuEntry(QStringLiteral("mnucrop"));
  crop->trigger();
  EXPECT_TRUE(crop->isChecked());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::CrossCursor);
  window->toolsMenuOpening();
  EXPECT_TRUE(entry->isChecked());
  crop->trigger();
  EXPECT_FALSE(crop->isChecked());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::ArrowCursor);
  entry->trigger();  // the menu entry toggles the button too
  EXPECT_TRUE(crop->isChecked());
  window->toolsMenuOpening();
  EXPECT_TRUE(entry->isChecked());
  entry->trigger();
  window->toolsMenuOpening();
  EXPECT_FALSE(entry->isChecked());
}

TEST_F(MainWindowTest, PasteIsEnabledOnlyWithAPictureOnTheClipboard) {
  QAction* paste = window->menuEntry(QStringLiteral("mnuEditPaste"));
  QApplication::clipboard()->setText(QStringLiteral("words"));
  window->editMenuOpening();
  EXPECT_FALSE(paste->isEnabled());
  QImage picture(4, 4, QImage::Format_RGB888);
  picture.fill(Qt::red);
  QApplication::clipboard()->setImage(picture);
  window->editMenuOpening();
  EXPECT_TRUE(paste->isEnabled());
  EXPECT_FALSE(window->menuEntry(QStringLiteral("mnuEditUndo"))->isEnabled());
  paste->trigger();
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(4, 4));
  EXPECT_EQ(design().geometry.canvasRows, 4);
  window->editMenuOpening();
  EXPECT_TRUE(window->menuEntry(QStringLiteral("mnuEditUndo"))->isEnabled());
  window->toolButton(QStringLiteral("Undo"))->trigger();
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
}

TEST_F(MainWindowTest, ClosingDeletesTheWorkingFilesAndEveryUndoFile) {
  DesignState& state = design();
  state.workingFiles.shape = folder.filePath(QStringLiteral("shape.bmp"));
  writeContent(state.workingFiles.shape, "shape");
  QStringList undoFiles;
  for (int n : {0, 1, 3}) {  // file 2 is missing
    undoFiles << state.undo.undoFile(n);
    writeContent(undoFiles.last(), "undo");
  }
  const QStringList working = {state.workingFiles.render, state.workingFiles.canvas,
                               state.workingFiles.shape};
  window->close();
  for (const QString& file : working + undoFiles)
    EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
}

TEST_F(MainWindowTest, StartsWithTheWhiteCanvasAndTheCaptionOfThePictureName) {
  const QImage& canvas = window->canvasView()->picture();
  EXPECT_EQ(canvas.size(), QSize(631, 331));
  EXPECT_EQ(canvas.pixelColor(300, 200), QColor(Qt::white));
  EXPECT_EQ(window->windowTitle(), design().currentPictureName);
  EXPECT_EQ(window->sourceFrame()->textBox()->text(), QStringLiteral("Velloro"));
  EXPECT_EQ(window->sourceFrame()->drawButton()->text(), QStringLiteral("Draw it !"));
  EXPECT_TRUE(window->panels()->engravedFrame()->isVisibleTo(window.get()));
  EXPECT_FALSE(window->panels()->shadowFrame()->isVisibleTo(window.get()));
}
