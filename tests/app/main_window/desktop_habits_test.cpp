#include "main_window/status_pane.h"
#include "main_window/window_slot.h"
#include "main_window_fixture.h"
#include "platform/recent_files.h"

class DesktopHabitsTest : public MainWindowTest {
 protected:
  QString picture(const QString& name, QColor colour = Qt::red) {
    EXPECT_TRUE(filled({40, 30}, colour).save(folder.filePath(name)));
    return folder.filePath(name);
  }

  QColor canvasColour() { return canvas().pixelColor(0, 0); }
};

TEST_F(DesktopHabitsTest, HandedFilesOpenInTurnAndEachFailureIsSaidUnderOpenOrLoadStyle) {
  const QString green = picture(u"green.png"_s, Qt::green);
  writeContent(path("text.png"), "not a picture");
  writeContent(path("broken.vstyle"), "{");
  window->openHandedFiles(
      {path("absent.bmp"), green, path("text.png"), path("broken.VSTYLE"), path("broken.vstyle")});
  EXPECT_EQ(canvasColour(), QColor(Qt::green));
  EXPECT_EQ(design().currentPictureName, green);
  EXPECT_TRUE(window->toolButton(u"Undo"_s)->isEnabled());
  ASSERT_EQ(seam->messages.size(), 4u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(u"error number : 53/118\r\n"_s));
  EXPECT_TRUE(seam->messages[1].text.startsWith(u"error number : 50003/118\r\n"_s));
  EXPECT_TRUE(
      seam->messages[2].text.startsWith(u"Cannot load the style \"broken.VSTYLE\": cannot read"_s));
  EXPECT_TRUE(seam->messages[3].text.startsWith(u"Cannot load the style \"broken.vstyle\""_s));
}

TEST_F(DesktopHabitsTest, ADeepPictureSaysItLostItsLowerBits) {
  const QString plain = picture(u"plain.png"_s);
  QImage deep(40, 30, QImage::Format_RGBX64);
  deep.fill(QColor::fromRgba64(0x1234, 0x5678, 0x9abc));
  const QString deepFile = path("deep.png");
  ASSERT_TRUE(deep.save(deepFile));
  const QString notice = u"16 bits a channel reduced to 8: the canvas holds 8 bits a channel"_s;
  window->openHandedFiles({plain});
  EXPECT_NE(window->statusPane(0)->text(), notice);
  window->openHandedFiles({deepFile});
  EXPECT_EQ(window->statusPane(0)->text(), notice);
  EXPECT_EQ(canvasColour(), QColor(0x12, 0x56, 0x9a));
}

TEST_F(DesktopHabitsTest, APictureDroppedOnThePictureToolLoadsThereOnTheCanvasOpensThere) {
  EXPECT_FALSE(drop(window.get(), {}));  // drags without local files are refused
  EXPECT_FALSE(drop(window.get(), {u""_s}));
  window->showPictureTool();
  const QString red = picture(u"red.png"_s);
  EXPECT_TRUE(drop(window->pictureTool(), {red}));
  EXPECT_EQ(window->pictureTool()->chosenFile, red);
  const QImage photo = window->pictureTool()->photoView()->picture();
  EXPECT_EQ(photo.pixelColor(photo.rect().center()), QColor(Qt::red));
  EXPECT_EQ(canvasColour(), QColor(Qt::white));
  EXPECT_TRUE(drop(window->canvasView(), {picture(u"red.bmp"_s)}));
  EXPECT_EQ(canvas().size(), QSize(40, 30));
  EXPECT_EQ(canvasColour(), QColor(Qt::red));
  EXPECT_TRUE(window->toolButton(u"Undo"_s)->isEnabled());
}

TEST_F(DesktopHabitsTest, TheDesignDragsOutAsATransparentPngAndAFileOfIt) {
  window->draw();
  const std::unique_ptr<QMimeData> data(window->canvasArea().designDragData());
  ASSERT_NE(data, nullptr);
  const QByteArray png = data->data(u"image/png"_s);
  EXPECT_EQ(QImage::fromData(png, "PNG").pixelColor(0, 0).alpha(), 0);
  ASSERT_EQ(data->urls().size(), 1);
  const QString file = data->urls()[0].toLocalFile();
  EXPECT_TRUE(file.endsWith(u"/MyPic.png"_s));
  EXPECT_EQ(contentOf(file), png);
}

TEST_F(DesktopHabitsTest, OpenRecentListsTenNewestFirstAndForgetsAMissingFileWithAMessage) {
  for (int n = 1; n <= 11; ++n) rememberRecentFile(folder.filePath(u"%1.png"_s.arg(n)));
  const QString kept = picture(u"kept.png"_s);
  window->openHandedFiles({kept});
  const QList<QAction*> entries = openedMenu("mnuFileRecent");
  ASSERT_EQ(entries.size(), recentFilesKept);
  EXPECT_EQ(entries[0]->text(), u"&1  kept.png"_s);
  EXPECT_EQ(entries[9]->text(), u"1&0  3.png"_s);
  entries[1]->trigger();
  EXPECT_EQ(onlyMessage().text,
            path("11.png") + u" no longer exists.\r\nIt was removed from the recent files."_s);
  EXPECT_EQ(recentFiles().size(), 9);
  EXPECT_EQ(recentFiles()[0], kept);
}

TEST_F(DesktopHabitsTest, TheNextWindowOpensWhereThisOneWasClosed) {
  window->setGeometry(40, 50, 700, 560);
  window->close();
  MainWindow next(folder.path());
  next.load();
  EXPECT_EQ(next.geometry(), QRect(40, 50, 700, 560));
}

TEST_F(DesktopHabitsTest, EscapeInAToolWindowDoesWhatItsCancelDoes) {
  openToolWindows();
  QWidgetList tools;
  for (QWidget* shown : QApplication::topLevelWidgets())
    if (shown != window.get() && shown->isVisible()) tools.append(shown);
  ASSERT_EQ(tools.size(), 4);
  for (QWidget* tool : tools) {
    // A tool that leaves gives the activation back to the main window first.
    QCoreApplication::processEvents();
    tool->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == tool);
    QTest::keyClick(tool, Qt::Key_Escape);
    EXPECT_FALSE(tool->isVisible()) << tool->objectName().toStdString();
  }
}

// The message pane starts empty; a long message beside the cut notice ends
// in an ellipsis and leaves the notice whole, however narrow the window.
TEST_F(DesktopHabitsTest, AStatusMessageGivesWayToTheCutNoticeBesideIt) {
  auto* pane = qobject_cast<StatusPane*>(window->statusPane(0));
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(pane->text(), QString());
  auto* notice = window->findChild<QLabel*>(u"CutNotice"_s);
  ASSERT_NE(notice, nullptr);
  const QString message = u"Exported MyWork12.png (48,213 bytes) and its 2x and 3x copies"_s;
  for (const int width : {1000, 700}) {
    SCOPED_TRACE(width);
    window->resize(width, window->height());
    window->show();
    notice->setText(u"The design runs past the canvas: left 12 px, right 40 px"_s);
    notice->show();
    pane->setText(message);
    QApplication::processEvents();
    EXPECT_GE(notice->width(), notice->sizeHint().width());
    EXPECT_LE(pane->geometry().right(), notice->geometry().left());
    const QString shown = pane->shownText();
    EXPECT_LE(pane->fontMetrics().horizontalAdvance(shown), pane->contentsRect().width());
    if (shown != message) {
      EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
      EXPECT_TRUE(message.startsWith(shown.chopped(1))) << shown.toStdString();
    }
  }
}

// A copy opens at a place of its own, on the screen, and gives its place
// up when it closes.
TEST_F(DesktopHabitsTest, ASecondCopyOpensBesideTheFirstNotOnTopOfIt) {
  window->load();
  const QRect first = window->geometry();
  MainWindow second(folder.path());
  second.load();
  EXPECT_NE(second.geometry().topLeft(), first.topLeft());
  EXPECT_TRUE(window->screen()->availableGeometry().contains(second.frameGeometry().topLeft()));
  EXPECT_EQ(second.size(), first.size());
  window.reset();
  MainWindow third(folder.path());
  third.load();
  EXPECT_EQ(third.geometry(), first);
}

// Copies step down and right from the first; on a screen too small for
// another step they start again from its corner, each axis on its own.
TEST(WindowSlot, EachCopyStepsFromTheFirstAndWrapsAtTheScreensEdge) {
  const QRect screen(100, 20, 800, 600);
  const QSize window(500, 400);  // room for steps: 300 across, 200 down
  const std::tuple<QPoint, int, QPoint> copies[] = {
      {{150, 60}, 0, {150, 60}},  {{150, 60}, 1, {190, 100}}, {{150, 60}, 3, {270, 180}},
      {{150, 60}, 4, {310, 20}},  {{150, 60}, 8, {170, 180}}, {{380, 200}, 1, {120, 40}},
      {{100, 20}, 15, {100, 20}},
  };
  for (const auto& [first, number, placed] : copies) {
    SCOPED_TRACE(number);
    EXPECT_EQ(placeOfCopy(first, window, screen, number, 40), placed);
  }
  // A window as large as the screen stays in its corner: a step would put
  // part of it off the screen.
  EXPECT_EQ(placeOfCopy({100, 20}, {800, 600}, screen, 1, 40), QPoint(100, 20));
}
