#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>

#include "main_window/live_preview.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "state/bmp_file.h"
#include "state/design_state.h"
#include "state/picture_formats.h"
#include "test_files.h"

namespace {

QImage filled(QSize size, QColor colour) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(colour);
  return picture;
}

}  // namespace

class FileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    for (const char* made : {"inputs", "outputs"}) QDir(folder.path()).mkpath(QLatin1String(made));
  }
  void run(const char* entry) { window->menuEntry(QLatin1String(entry))->trigger(); }
  QString path(const char* relative) { return folder.filePath(QLatin1String(relative)); }
  QImage canvas() const { return window->canvasView()->picture(); }
  // Draw's own picture of the design on the present background.
  QImage drawnAgain() {
    window->draw();
    return canvas();
  }
};

TEST_F(FileCommandsTest, OpenLoadsThePictureAndUndoBringsBackThePreviousCanvas) {
  filled({40, 30}, Qt::red).save(path("inputs/red.png"));
  seam->fileAnswers.push_back(path("inputs/red.png"));
  run("mnuFileOpen");
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(seam->openRequests[0].folder, path("inputs"));
  const bool webp = webpReadable();
  EXPECT_EQ(seam->openRequests[0].filter,
            QStringLiteral("All compatibles files (*.bmp *.jpg *.jpeg *.gif *.png%1);;Bitmap "
                           "(*.bmp);;Standard compression (*.jpg *.jpeg);;Gif (*.gif);;PNG "
                           "(*.png)%2")
                .arg(webp ? " *.webp" : "", webp ? ";;WebP (*.webp)" : ""));
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(40, 30));
  EXPECT_EQ(design().currentPictureName, path("inputs/red.png"));
  EXPECT_EQ(window->windowTitle(), path("inputs/red.png"));
  EXPECT_EQ(design().geometry.canvasWidth, 40);
  run("mnuEditUndo");
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
  EXPECT_EQ(window->canvasView()->picture().pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
  run("mnuFileOpen");
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
}

TEST_F(FileCommandsTest, AFileThatIsNoPictureIsReportedAndDoesNotBecomeTheName) {
  writeContent(path("inputs/broken.bmp"), QByteArray("BM") + QByteArray(20, 'x'));
  const QString before = design().currentPictureName;
  seam->fileAnswers.push_back(path("inputs/broken.bmp"));
  run("mnuFileOpen");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith("error number : 50003/118\r\n"));
  EXPECT_EQ(design().currentPictureName, before);
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
}

TEST_F(FileCommandsTest, SaveWritesTheCanvasAsABitmapUnderTheCurrentName) {
  design().currentPictureName = path("inputs/logo.bmp");
  window->canvasView()->setPicture(filled({7, 5}, QColor(10, 20, 30)));
  run("mnuFileSave");
  EXPECT_EQ(contentOf(path("inputs/logo.bmp")), bmpFileBytes(filled({7, 5}, QColor(10, 20, 30))));
  // Writing the canvas changes nothing on it: no undo step, no new background.
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_EQ(design().geometry.canvasWidth, 631);
  EXPECT_EQ(window->windowTitle(), path("inputs/logo.bmp"));
}

TEST_F(FileCommandsTest, SaveOfAGifAsksBeforeWritingABitmapBesideIt) {
  writeContent(path("inputs/logo.gif"), "GIF89a");
  design().currentPictureName = path("inputs/logo.gif");
  window->canvasView()->setPicture(filled({6, 4}, Qt::green));
  seam->messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
  run("mnuFileSave");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            QStringLiteral("logo.gif cannot be written as GIF.\r\nSave the picture as logo.bmp "
                           "instead?"));
  EXPECT_EQ(seam->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(QFile::exists(path("inputs/logo.bmp")));
  EXPECT_EQ(design().undo.counters.top, 0);
  run("mnuFileSave");
  EXPECT_EQ(contentOf(path("inputs/logo.bmp")), bmpFileBytes(filled({6, 4}, Qt::green)));
  EXPECT_EQ(contentOf(path("inputs/logo.gif")), QByteArray("GIF89a"));
  EXPECT_EQ(design().currentPictureName, path("inputs/logo.bmp"));
}

TEST_F(FileCommandsTest, SaveThatCannotWriteIsReportedAndKeepsTheOldFile) {
  design().currentPictureName = path("missing-folder/logo.bmp");
  run("mnuFileSave");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("error number : ")));
  EXPECT_TRUE(seam->messages[0].text.contains(QStringLiteral("/119\r\n")));
  EXPECT_FALSE(QDir(path("missing-folder")).exists());
}

TEST_F(FileCommandsTest, SaveOfAnUpperCaseJpegNameGoesThroughTheOptimiser) {
  design().currentPictureName = path("outputs/photo.JPEG");
  QStringList modes;
  window->showJpegSizeOptimiser = [&](const QString& mode, const QString&) {
    modes << mode;
    return false;  // cancelled
  };
  run("mnuFileSave");
  EXPECT_EQ(modes, QStringList{"save"});
  EXPECT_FALSE(QFile::exists(path("outputs/photo.JPEG")));
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_EQ(seam->busyPeriods, 0);
}

TEST_F(FileCommandsTest, SaveAsProposesTheFirstFreeWorkNumber) {
  writeContent(path("outputs/MyWork1.bmp"), "x");
  writeContent(path("outputs/MyWork2.jpg"), "x");
  run("mnuFileSaveAs");
  ASSERT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(seam->saveRequests[0].fileName, QStringLiteral("MyWork3"));
  EXPECT_EQ(seam->saveRequests[0].folder, path("outputs"));
  EXPECT_EQ(seam->saveRequests[0].selectedFilter, 0);
  EXPECT_EQ(seam->saveRequests[0].filter,
            QStringLiteral("Bitmap (*.bmp);;Standard compression (*.jpg *.jpeg);;PNG (*.png)%1")
                .arg(writableWebFormats().contains(WebFormat::Webp) ? ";;WebP (*.webp)" : ""));
}

// An extension of a format Velloro writes wins over the dialog's type; any
// other name is written in the type chosen, under that type's extension.
TEST_F(FileCommandsTest, SaveAsWritesTheFormatOfTheTypedExtension) {
  const QImage canvas = filled({9, 4}, Qt::blue);
  window->canvasView()->setPicture(canvas);
  struct Case {
    const char* typed;
    int filter;
    const char* written;
    const char* format;
  };
  const Case cases[] = {
      {"outputs/out1.png", 0, "outputs/out1.png", "png"},
      {"outputs/out2.BMP", 2, "outputs/out2.BMP", "bmp"},
      {"outputs/out3", 0, "outputs/out3.bmp", "bmp"},
      {"outputs/out4.txt", 0, "outputs/out4.bmp", "bmp"},
      {"outputs/out5.gif", 2, "outputs/out5.png", "png"},
  };
  for (const Case& c : cases) {
    seam->fileAnswers.push_back(path(c.typed));
    seam->filterAnswers.push_back(c.filter);
    run("mnuFileSaveAs");
    EXPECT_EQ(design().currentPictureName, path(c.written)) << c.typed;
    EXPECT_EQ(window->windowTitle(), path(c.written)) << c.typed;
    QImageReader written(path(c.written));
    EXPECT_EQ(written.format(), QByteArray(c.format)) << c.typed;
    EXPECT_EQ(written.read().convertToFormat(QImage::Format_RGB888), canvas) << c.typed;
  }
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_FALSE(QFile::exists(path("outputs/out1.bmp")));
}

// The dialog starts at the type of the picture open.
TEST_F(FileCommandsTest, SaveAsStartsAtTheOpenPicturesType) {
  const std::pair<const char*, int> cases[] = {{"a.png", 2}, {"b.jpeg", 1}, {"c.gif", 0}};
  for (const auto& [open, startType] : cases) {
    design().currentPictureName = path(open);
    run("mnuFileSaveAs");
    EXPECT_EQ(seam->saveRequests.back().selectedFilter, startType) << open;
  }
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingTheBitmapNameItChose) {
  writeContent(path("outputs/logo.bmp"), "keep me");
  seam->fileAnswers.push_back(path("outputs/logo.txt"));
  seam->messageAnswers.push_back(MessageAnswer::No);
  const QString before = design().currentPictureName;
  run("mnuFileSaveAs");
  EXPECT_EQ(seam->messages.at(0).text,
            QStringLiteral("logo.bmp already exists.\r\nDo you want to replace it?"));
  EXPECT_EQ(contentOf(path("outputs/logo.bmp")), QByteArray("keep me"));
  EXPECT_EQ(design().currentPictureName, before);
}

TEST_F(FileCommandsTest, SaveAsJpegKeepsTheCanvasItWrote) {
  const QImage canvas = window->canvasView()->picture();
  seam->fileAnswers.push_back(path("outputs/logo.jpg"));
  seam->filterAnswers.push_back(1);
  window->showJpegSizeOptimiser = [&](const QString& mode, const QString& chosen) {
    EXPECT_EQ(mode, QStringLiteral("saveas"));
    EXPECT_EQ(chosen, path("outputs/logo.jpg"));
    filled({12, 8}, Qt::gray).save(chosen, "JPG");
    design().currentPictureName = chosen;
    return true;
  };
  run("mnuFileSaveAs");
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(window->canvasView()->picture(), canvas);
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_EQ(window->windowTitle(), path("outputs/logo.jpg"));
}

// Every command that changes or writes the canvas shows the drawn design on
// the new background at once, exactly as Draw would, and the preview follows.
TEST_F(FileCommandsTest, EveryCanvasCommandShowsTheDesignAsDrawWould) {
  filled({631, 331}, Qt::red).save(path("inputs/red.png"));
  seam->fileAnswers.push_back(path("inputs/red.png"));
  const std::pair<const char*, std::function<void()>> cases[] = {
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
  window->draw();
  for (const auto& [name, command] : cases) {
    command();
    const QImage shown = canvas();
    EXPECT_EQ(shown, drawnAgain()) << name;
    EXPECT_TRUE(window->livePreview().designOnCanvas()) << name;
  }
}

// A crop cuts the background; the design keeps its place on what is kept,
// comes back whole with the undo, and a Draw on the cut canvas replaces it.
TEST_F(FileCommandsTest, CropKeepsTheDesignALiveLayerAtItsPlace) {
  const QImage drawn = drawnAgain();
  const QRect kept(3, 2, 400, 150);
  window->toolButton(QStringLiteral("Crop"))->trigger();
  pressCanvas(kept.bottomRight() + QPoint(1, 1));
  moveCanvas(kept.topLeft());
  releaseCanvas(kept.topLeft());
  EXPECT_EQ(canvas(), drawn.copy(kept));
  EXPECT_EQ(drawnAgain(), drawn.copy(kept));
  run("mnuEditUndo");
  EXPECT_EQ(canvas(), drawn);
  run("mnuEditRedo");
  window->sourceFrame()->textBox()->setText(QString());
  EXPECT_EQ(drawnAgain(), filled(kept.size(), Qt::white));
}

// Close, New and Open ask about drawn work: Cancel keeps it, Discard goes
// on, Save writes where Ctrl+S would and goes on.
TEST_F(FileCommandsTest, UnsavedWorkIsSavedDiscardedOrKeptOnTheUsersWord) {
  const std::pair<const char*, std::function<bool()>> commands[] = {
      {"mnuFileExit", [&] { return !window->isVisible(); }},
      {"mnuFileNew",
       [&] {
         const QWidgetList shown = QApplication::topLevelWidgets();
         return std::any_of(shown.begin(), shown.end(), [](QWidget* widget) {
           return widget->objectName() == QLatin1String("FrmNew") && widget->isVisible();
         });
       }},
      {"mnuFileOpen", [&] { return seam->openRequests.size() == 1; }},
  };
  const std::pair<MessageAnswer, bool> answers[] = {
      {MessageAnswer::Cancel, false}, {MessageAnswer::Discard, true}, {MessageAnswer::Save, true}};
  for (const auto& [entry, wentOn] : commands) {
    for (const auto& [answer, goesOn] : answers) {
      SCOPED_TRACE(std::string(entry) + " " + std::to_string(int(answer)));
      TearDown();
      SetUp();
      design().currentPictureName = path("inputs/logo.bmp");
      QFile::remove(path("inputs/logo.bmp"));
      const QImage drawn = drawnAgain();
      seam->messageAnswers.push_back(answer);
      run(entry);
      ASSERT_EQ(seam->messages.size(), 1u);
      EXPECT_EQ(seam->messages[0].text,
                QStringLiteral("Do you want to save the changes to logo.bmp ?"));
      EXPECT_EQ(seam->messages[0].buttons, MessageButtons::SaveDiscardCancel);
      EXPECT_EQ(wentOn(), goesOn);
      EXPECT_EQ(contentOf(path("inputs/logo.bmp")),
                answer == MessageAnswer::Save ? bmpFileBytes(drawn) : QByteArray());
    }
  }
}

TEST_F(FileCommandsTest, HelpWithoutItsPagesSaysSoUnderTheCaption) {
  window->toolbarClicked(QStringLiteral("Help"));
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Unable to display Help Contents. There is no "
                                                   "Help associated with this project."));
  EXPECT_EQ(seam->messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(seam->messages[0].title, window->windowTitle());
  EXPECT_TRUE(seam->helpPages.empty());
}

TEST_F(FileCommandsTest, HelpOpensTheContentsPage) {
  writeContent(path("help/velloro.htm"), "<html></html>");
  run("mnuHelpContents");
  ASSERT_EQ(seam->helpPages.size(), 1u);
  EXPECT_EQ(seam->helpPages[0], QUrl::fromLocalFile(path("help/velloro.htm")));
}

// A Save As that fails leaves the name, the caption and Ctrl+S's target as
// they were, whatever format was chosen.
class FailedSaveAsTest : public FileCommandsTest, public testing::WithParamInterface<int> {};

TEST_P(FailedSaveAsTest, KeepsTheNameThatCtrlSSavesTo) {
  const QString before = design().currentPictureName;
  window->captureCanvas();
  const QString caption = window->windowTitle();
  window->canvasView()->setPicture(filled({5, 3}, Qt::red));
  seam->fileAnswers.push_back(path("no-such-folder/logo"));
  seam->filterAnswers.push_back(GetParam());
  run("mnuFileSaveAs");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("error number : ")));
  EXPECT_EQ(design().currentPictureName, before);
  EXPECT_EQ(window->windowTitle(), caption);

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window->sourceFrame()->textBox(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(contentOf(before), bmpFileBytes(filled({5, 3}, Qt::red)));
  EXPECT_FALSE(QDir(path("no-such-folder")).exists());
}

// The bitmap and PNG entries of the Save As dialog's types.
INSTANTIATE_TEST_SUITE_P(Formats, FailedSaveAsTest, testing::Values(0, 2));
