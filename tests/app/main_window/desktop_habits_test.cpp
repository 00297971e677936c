// What a desktop expects of the main window: files handed over or dropped,
// the design dragged out, File > Open Recent and the standard keys, driven
// with real events where the event is what matters.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <memory>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "state/recent_files.h"
#include "test_files.h"
#include "tools/picture_tool.h"
#include "widgets/picture_box.h"

namespace {

class DesktopHabitsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).clear();
  }

  // A 40 x 30 picture in one colour.
  QString picture(const QString& name, QColor colour = Qt::red) {
    QImage image(40, 30, QImage::Format_RGB888);
    image.fill(colour);
    const QString path = folder.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
  }

  // Drags the files over `target` and drops them; whether the drag was taken.
  bool drop(QWidget* target, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
    data.setUrls(urls);
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
  }

  QColor canvasColour() { return window->canvasView()->picture().pixelColor(0, 0); }
};

TEST_F(DesktopHabitsTest, HandedFilesOpenInTurnAndEachFailureIsSaidUnderOpenOrLoadStyle) {
  const QString green = picture(QStringLiteral("green.png"), Qt::green);
  writeContent(folder.filePath(QStringLiteral("text.png")), "not a picture");
  writeContent(folder.filePath(QStringLiteral("broken.vstyle")), "{");
  window->openHandedFiles({folder.filePath(QStringLiteral("absent.bmp")), green,
                           folder.filePath(QStringLiteral("text.png")),
                           folder.filePath(QStringLiteral("broken.VSTYLE")),
                           folder.filePath(QStringLiteral("broken.vstyle"))});
  EXPECT_EQ(canvasColour(), QColor(Qt::green));
  EXPECT_EQ(design().currentPictureName, green);
  EXPECT_TRUE(window->toolButton(QStringLiteral("Undo"))->isEnabled());
  ASSERT_EQ(seam->messages.size(), 4u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("error number : 53/118\r\n")));
  EXPECT_TRUE(seam->messages[1].text.startsWith(QStringLiteral("error number : 50003/118\r\n")));
  EXPECT_TRUE(seam->messages[2].text.startsWith(
      QStringLiteral("Cannot load the style \"broken.VSTYLE\": cannot read")));
  EXPECT_TRUE(
      seam->messages[3].text.startsWith(QStringLiteral("Cannot load the style \"broken.vstyle\"")));
}

TEST_F(DesktopHabitsTest, APictureDroppedOnTheCanvasOpensAsAnUndoStep) {
  EXPECT_TRUE(drop(window->canvasView(), {picture(QStringLiteral("red.bmp"))}));
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(40, 30));
  EXPECT_EQ(canvasColour(), QColor(Qt::red));
  window->menuEntry(QStringLiteral("mnuEditUndo"))->trigger();
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
}

// A 16-bit PNG opens at 8 bits a channel, and says so; an 8-bit one says nothing.
TEST_F(DesktopHabitsTest, ADeepPictureSaysItLostItsLowerBits) {
  const QString plain = picture(QStringLiteral("plain.png"));
  QImage deep(40, 30, QImage::Format_RGBX64);
  deep.fill(QColor::fromRgba64(0x1234, 0x5678, 0x9abc));
  const QString deepFile = folder.filePath(QStringLiteral("deep.png"));
  ASSERT_TRUE(deep.save(deepFile));
  const QString notice =
      QStringLiteral("16 bits a channel reduced to 8: the canvas holds 8 bits a channel");
  ASSERT_TRUE(window->openPictureFile(plain));
  EXPECT_NE(window->statusPane(0)->text(), notice);
  ASSERT_TRUE(window->openPictureFile(deepFile));
  EXPECT_EQ(window->statusPane(0)->text(), notice);
  EXPECT_EQ(canvasColour(), QColor(0x12, 0x56, 0x9a));
}

TEST_F(DesktopHabitsTest, DragsWithoutLocalFilesAreRefused) {
  EXPECT_FALSE(drop(window.get(), {}));
  EXPECT_FALSE(drop(window.get(), {QStringLiteral("")}));
}

TEST_F(DesktopHabitsTest, APictureDroppedOnThePictureToolLoadsThereAndLeavesTheCanvas) {
  window->showPictureTool();
  const QString red = picture(QStringLiteral("red.png"));
  EXPECT_TRUE(drop(window->pictureTool(), {red}));
  EXPECT_EQ(window->pictureTool()->chosenFile, red);
  const QImage photo = window->pictureTool()->photoView()->picture();
  EXPECT_EQ(photo.pixelColor(photo.rect().center()), QColor(Qt::red));
  EXPECT_EQ(canvasColour(), QColor(Qt::white));
}

TEST_F(DesktopHabitsTest, TheDesignDragsOutAsATransparentPngAndAFileOfIt) {
  window->draw();
  const std::unique_ptr<QMimeData> data(window->designDragData());
  ASSERT_NE(data, nullptr);
  const QByteArray png = data->data(QStringLiteral("image/png"));
  const QImage design = QImage::fromData(png, "PNG");
  EXPECT_EQ(design.pixelColor(0, 0).alpha(), 0);
  ASSERT_EQ(data->urls().size(), 1);
  const QString file = data->urls()[0].toLocalFile();
  EXPECT_TRUE(file.endsWith(QStringLiteral("/MyPic.png")));
  EXPECT_EQ(contentOf(file), png);
}

TEST_F(DesktopHabitsTest, OpenRecentListsTenNewestFirstAndForgetsAMissingFileWithAMessage) {
  for (int n = 1; n <= 11; ++n)
    rememberRecentFile(folder.filePath(QStringLiteral("%1.png").arg(n)));
  const QString kept = picture(QStringLiteral("kept.png"));
  window->openHandedFiles({kept});
  QMenu* recent = window->menu(QStringLiteral("mnuFileRecent"));
  emit recent->aboutToShow();
  const QList<QAction*> entries = recent->actions();
  ASSERT_EQ(entries.size(), recentFilesKept);
  EXPECT_EQ(entries[0]->text(), QStringLiteral("&1  kept.png"));
  EXPECT_EQ(entries[9]->text(), QStringLiteral("1&0  3.png"));
  entries[1]->trigger();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            folder.filePath(QStringLiteral("11.png")) +
                QStringLiteral(" no longer exists.\r\nIt was removed from the recent files."));
  EXPECT_EQ(recentFiles().size(), 9);
  EXPECT_EQ(recentFiles()[0], kept);
}

TEST_F(DesktopHabitsTest, StandardKeysReachTheirCommandsFromTheTextBox) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QWidget* text = QApplication::focusWidget();
  QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(seam->openRequests.size(), 1u);
  QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(seam->saveRequests.size(), 1u);
  QTest::keyClick(text, Qt::Key_F1);
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("Unable to display Help")));
  window->openHandedFiles({picture(QStringLiteral("red.png"))});
  QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(canvasColour(), QColor(Qt::red));
  QTest::keyClick(text, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
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

}  // namespace
