#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "test_files.h"

TEST_F(MainWindowTest, ToolbarHoldsTwentyButtonsWithTheirKeysStylesAndStates) {
  const QList<QAction*> buttons = window->toolBar()->actions();
  ASSERT_EQ(buttons.size(), 20);
  const QStringList keys{"New",  "Open", "Save", "",     "Print",  "",          "",
                         "",     "",     "",     "Bold", "Italic", "Underline", "",
                         "Crop", "",     "Undo", "Redo", "",       "Help"};
  for (int i = 0; i < 20; ++i) {
    if (keys[i].isEmpty()) continue;
    EXPECT_EQ(buttons[i]->toolTip(), keys[i]) << i;
    EXPECT_EQ(window->toolButton(keys[i]), buttons[i]) << i;
  }
  for (int separator : {3, 5, 7, 9, 13, 15}) EXPECT_TRUE(buttons[separator]->isSeparator());
  EXPECT_EQ(window->toolBar()->widgetForAction(buttons[6]), window->fontNameBox());
  EXPECT_EQ(window->toolBar()->widgetForAction(buttons[8]), window->fontSizeBox());
  EXPECT_EQ(window->fontNameBox()->width(), 98);
  EXPECT_EQ(window->fontSizeBox()->width(), 102);
  EXPECT_EQ(window->fontSizeBox()->toolTip(), QStringLiteral("Font size"));
  for (const char* check : {"Bold", "Italic", "Underline", "Crop"})
    EXPECT_TRUE(window->toolButton(QLatin1String(check))->isCheckable()) << check;
  EXPECT_TRUE(window->toolButton(QStringLiteral("Bold"))->isChecked());
  EXPECT_FALSE(window->toolButton(QStringLiteral("Italic"))->isChecked());
  EXPECT_FALSE(window->toolButton(QStringLiteral("Crop"))->isChecked());
  EXPECT_FALSE(window->toolButton(QStringLiteral("Undo"))->isEnabled());
  EXPECT_FALSE(window->toolButton(QStringLiteral("Redo"))->isEnabled());
  EXPECT_TRUE(window->toolButton(QStringLiteral("Help"))->isEnabled());
}

TEST_F(MainWindowTest, MenusHoldEveryEntryWithItsCaptionAndShortcut) {
  const QList<QAction*> bar = window->menuBar()->actions();
  ASSERT_EQ(bar.size(), 4);
  EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
  EXPECT_EQ(bar[1]->text(), QStringLiteral("&Edit"));
  EXPECT_EQ(bar[2]->text(), QStringLiteral("&Tools"));
  EXPECT_EQ(bar[3]->text(), QStringLiteral("&Help"));
  auto captions = [&](const char* menu) {
    QStringList shown;
    for (QAction* entry : window->menu(QLatin1String(menu))->actions())
      shown << (entry->isSeparator() ? QStringLiteral("-")
                                     : entry->text() + '|' + entry->shortcut().toString());
    return shown.join(';');
  };
  EXPECT_EQ(captions("mnuFile"),
            QStringLiteral("&New background|Ctrl+N;&Open ...|Ctrl+O;Open &Recent|;-;&Save|Ctrl+S;"
                           "Save &As...|Ctrl+Shift+S;&Export for the web...|Ctrl+E;-;"
                           "Save st&yle...|;&Load style...|;S&tyles|;-;&Print...|;-;E&xit|Ctrl+Q"));
  EXPECT_EQ(captions("mnuedit"),
            QStringLiteral("&Copy|Ctrl+C;&Paste|Ctrl+V;-;&Undo|Ctrl+Z;&Redo|Ctrl+R"));
  EXPECT_EQ(captions("mnuTools"),
            QStringLiteral("&Font|Ctrl+F;&Symbols viewer|Ctrl+Y;-;Add a &pic|Ctrl+P;"
                           "&Draw a shape|Ctrl+D;-;&Crop tool|;&Live preview|"));
  EXPECT_EQ(captions("mnuHelp"), QStringLiteral("&Contents|F1;&About |"));
  EXPECT_EQ(captions("mnubezier"), QStringLiteral("Reset|;Save|;Load|"));
  EXPECT_EQ(window->menu(QStringLiteral("mnubezier"))->title(), QStringLiteral("Bezier"));
}

// Which panel a click or key shows is driven with real events elsewhere;
// here, how the others are put away.
TEST_F(MainWindowTest, SelectingATabParksTheOtherPanelsDisabledOutOfSight) {
  EXPECT_EQ(window->statusPane(0)->text(), QStringLiteral("Status"));
  EXPECT_EQ(window->panels()->tabStrip()->tabText(3), QStringLiteral("Deformation"));
  EXPECT_EQ(window->panels()->tabStrip()->tabText(0), QStringLiteral("Inside     "));
  window->panels()->tabStrip()->setCurrentIndex(2);
  window->selectTab();
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(window->panels()->panelFrames()[i]->x(), i == 2 ? 2 : -1500);
    EXPECT_EQ(window->panels()->panelFrames()[i]->isEnabled(), i == 2);
  }
}

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
  EXPECT_EQ(window->panels()->shadowSlider(3)->Value(), 60);
  EXPECT_EQ(window->panels()->engravedSlider()->Value(), 20);
}
