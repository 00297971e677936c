#include <QDragEnterEvent>
#include <QDropEvent>
#include <QUrl>

#include "main_window_fixture.h"
#include "platform/recent_files.h"

class DesktopHabitsTest : public MainWindowTest {
 protected:
  QString picture(const QString& name, QColor colour = Qt::red) {
    EXPECT_TRUE(filled({40, 30}, colour).save(folder.filePath(name)));
    return folder.filePath(name);
  }

  // Drags the files over `target` and drops them; whether the drag was taken.
  bool drop(QWidget* target, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
    data.setUrls(urls);
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
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
  QMenu* recent = window->menu(u"mnuFileRecent"_s);
  emit recent->aboutToShow();
  const QList<QAction*> entries = recent->actions();
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
  for (const char* opening : {"mnuFileNew", "mnuFilePrint", "mnuToolsPicture", "mnuToolsDrawing"})
    window->menuEntry(QLatin1String(opening))->trigger();
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
