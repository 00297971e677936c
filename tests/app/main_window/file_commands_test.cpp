#include <QImageReader>

#include "main_window_fixture.h"

using FileCommandsTest = MainWindowTest;

TEST_F(FileCommandsTest, OpenLoadsThePictureAndUndoBringsBackThePreviousCanvas) {
  run("mnuFileOpen");  // cancelled: nothing changes
  EXPECT_EQ(design().undo.counters.top, 0);
  filled({40, 30}, Qt::red).save(path("inputs/red.png"));
  run("mnuFileOpen", path("inputs/red.png"));
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(seam->openRequests[1].folder, path("inputs"));
  const bool webp = webpReadable();
  EXPECT_EQ(seam->openRequests[1].filter,
            u"Velloro documents and pictures (*.velloro *.bmp *.jpg *.jpeg *.gif *.png%1);;"
            u"Velloro document (*.velloro);;Bitmap (*.bmp);;Standard "
            u"compression (*.jpg *.jpeg);;Gif (*.gif);;PNG (*.png)%2"_s.arg(
                webp ? " *.webp" : "", webp ? ";;WebP (*.webp)" : ""));
  EXPECT_EQ(canvas().size(), QSize(40, 30));
  EXPECT_EQ(design().currentPictureName, path("inputs/red.png"));
  EXPECT_EQ(window->windowTitle(), path("inputs/red.png"));
  run("mnuEditUndo");
  EXPECT_EQ(canvas().size(), QSize(631, 331));
  EXPECT_EQ(canvas().pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(FileCommandsTest, SaveOfAGifAsksBeforeWritingABitmapBesideIt) {
  writeContent(path("inputs/logo.gif"), "GIF89a");
  design().currentPictureName = path("inputs/logo.gif");
  window->canvasView()->setPicture(filled({6, 4}, Qt::green));
  seam->messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
  run("mnuFileSave");
  EXPECT_EQ(onlyMessage().text,
            u"logo.gif cannot be written as GIF.\r\nSave the picture as logo.bmp instead?"_s);
  EXPECT_EQ(onlyMessage().buttons, MessageButtons::YesNo);
  EXPECT_FALSE(QFile::exists(path("inputs/logo.bmp")));
  EXPECT_EQ(design().undo.counters.top, 0);
  run("mnuFileSave");
  EXPECT_EQ(contentOf(path("inputs/logo.bmp")), bmpFileBytes(filled({6, 4}, Qt::green)));
  EXPECT_EQ(contentOf(path("inputs/logo.gif")), QByteArray("GIF89a"));
  EXPECT_EQ(design().currentPictureName, path("inputs/logo.bmp"));
  EXPECT_EQ(window->windowTitle(), path("inputs/logo.bmp"));
}

// A known extension beats the dialog's type; Save writes that format again.
TEST_F(FileCommandsTest, SaveAsProposesAFreeNameWritesTheTypedFormatAndAsksBeforeReplacing) {
  writeContent(path("outputs/MyWork1.bmp"), "x");
  writeContent(path("outputs/MyWork2.jpg"), "x");
  run("mnuFileSaveAs");
  ASSERT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(seam->saveRequests[0].fileName, u"MyWork3"_s);
  EXPECT_EQ(seam->saveRequests[0].folder, path("outputs"));
  EXPECT_EQ(seam->saveRequests[0].selectedFilter, 1);
  EXPECT_EQ(
      seam->saveRequests[0].filter,
      u"Velloro document (*.velloro);;Bitmap (*.bmp);;Standard compression (*.jpg *.jpeg);;PNG (*.png)%1"_s
          .arg(writableWebFormats().contains(WebFormat::Webp) ? ";;WebP (*.webp)" : ""));
  for (const auto& [open, startType] :
       {std::pair{"a.png", 3}, {"b.jpeg", 2}, {"c.gif", 1}, {"d.velloro", 0}}) {
    design().currentPictureName = path(open);
    run("mnuFileSaveAs");
    EXPECT_EQ(seam->saveRequests.back().selectedFilter, startType) << open;
  }
  const QImage blue = filled({9, 4}, Qt::blue);
  window->canvasView()->setPicture(blue);
  const std::tuple<const char*, int, const char*, const char*> saves[] = {
      {"outputs/out1.png", 0, "outputs/out1.png", "png"},
      {"outputs/out2.BMP", 3, "outputs/out2.BMP", "bmp"},
      {"outputs/out3", 1, "outputs/out3.bmp", "bmp"},
      {"outputs/out4.txt", 1, "outputs/out4.bmp", "bmp"},
      {"outputs/out5.gif", 3, "outputs/out5.png", "png"},
      {"outputs/out6", 4, "outputs/out6.webp", "webp"}};
  for (const auto& [typed, filter, written, format] : saves) {
    if (filter == 4 && !writableWebFormats().contains(WebFormat::Webp)) continue;
    saveAs(path(typed), filter);
    EXPECT_EQ(design().currentPictureName, path(written)) << typed;
    EXPECT_EQ(window->windowTitle(), path(written)) << typed;
    QFile::remove(path(written));
    run("mnuFileSave");
    QImageReader reader(path(written));
    EXPECT_EQ(reader.format(), QByteArray(format)) << typed;
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_RGB888), blue) << typed;
  }
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_FALSE(QFile::exists(path("outputs/out1.bmp")));
  writeContent(path("outputs/logo.bmp"), "keep me");
  seam->messageAnswers.push_back(MessageAnswer::No);
  const QString before = design().currentPictureName;
  saveAs(path("outputs/logo.txt"), 1);
  EXPECT_EQ(onlyMessage().text, u"logo.bmp already exists.\r\nDo you want to replace it?"_s);
  EXPECT_EQ(contentOf(path("outputs/logo.bmp")), QByteArray("keep me"));
  EXPECT_EQ(design().currentPictureName, before);
}

TEST_F(FileCommandsTest, JpegSavesGoThroughTheOptimiser) {
  const QImage before = canvas();
  QStringList modes;
  window->fileCommands().showJpegSizeOptimiser = [&](const QString& mode, const QString& chosen) {
    modes << mode;
    if (mode == u"save"_s) return false;  // cancelled
    EXPECT_EQ(chosen, path("outputs/logo.jpg"));
    filled({12, 8}, Qt::gray).save(chosen, "JPG");
    design().currentPictureName = chosen;
    return true;
  };
  design().currentPictureName = path("outputs/photo.JPEG");
  run("mnuFileSave");
  EXPECT_FALSE(QFile::exists(path("outputs/photo.JPEG")));
  EXPECT_EQ(seam->busyPeriods, 0);
  saveAs(path("outputs/logo.jpg"), 2);
  EXPECT_EQ(modes, (QStringList{u"save"_s, u"saveas"_s}));
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(canvas(), before);
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_EQ(window->windowTitle(), path("outputs/logo.jpg"));
}

TEST_F(FileCommandsTest, EveryCanvasCommandShowsTheDesignAsDrawWould) {
  filled({631, 331}, Qt::red).save(path("inputs/red.png"));
  seam->fileAnswers.push_back(path("inputs/red.png"));
  QApplication::clipboard()->setImage(filled({500, 300}, Qt::yellow));
  window->draw();
  for (const char* name :
       {"mnuFileSave", "mnuFileOpen", "mnuEditUndo", "mnuEditRedo", "mnuEditPaste", "new canvas"}) {
    if (name[0] == 'm')
      run(name);
    else
      window->replaceCanvas(filled({400, 200}, Qt::green));
    EXPECT_EQ(canvas(), drawnAgain()) << name;
    EXPECT_TRUE(window->livePreview().designOnCanvas()) << name;
  }
}

TEST_F(FileCommandsTest, CropKeepsTheDesignALiveLayerAtItsPlace) {
  const QImage drawn = drawnAgain();
  const QRect kept(3, 2, 400, 150);
  window->toolButton(u"Crop"_s)->trigger();
  dragOnCanvas(kept.bottomRight() + QPoint(1, 1), kept.topLeft());
  EXPECT_EQ(canvas(), drawn.copy(kept));
  EXPECT_EQ(drawnAgain(), drawn.copy(kept));
  run("mnuEditUndo");
  EXPECT_EQ(canvas(), drawn);
  run("mnuEditRedo");
  textBox()->setText(QString());
  EXPECT_EQ(drawnAgain(), filled(kept.size(), Qt::white));
}

TEST_F(FileCommandsTest, UnsavedWorkIsSavedDiscardedOrKeptOnTheUsersWord) {
  const std::pair<const char*, std::function<bool()>> commands[] = {
      {"mnuFileExit", [&] { return !window->isVisible(); }},
      {"mnuFileNew", [&] { return shownWindow("FrmNew") != nullptr; }},
      {"mnuFileOpen", [&] { return seam->openRequests.size() == 1; }},
  };
  const std::pair<MessageAnswer, bool> answers[] = {
      {MessageAnswer::Cancel, false}, {MessageAnswer::Discard, true}, {MessageAnswer::Save, true}};
  for (const auto& [entry, wentOn] : commands) {
    for (const auto& [answer, goesOn] : answers) {
      SCOPED_TRACE(std::string(entry) + " " + std::to_string(int(answer)));
      TearDown(), SetUp();  // a fresh window
      design().currentPictureName = path("inputs/logo.bmp");
      QFile::remove(path("inputs/logo.bmp"));
      const QImage drawn = drawnAgain();
      seam->messageAnswers.push_back(answer);
      run(entry);
      EXPECT_EQ(onlyMessage().text, u"Do you want to save the changes to logo.bmp ?"_s);
      EXPECT_EQ(onlyMessage().buttons, MessageButtons::SaveDiscardCancel);
      EXPECT_EQ(wentOn(), goesOn);
      EXPECT_EQ(contentOf(path("inputs/logo.bmp")),
                answer == MessageAnswer::Save ? bmpFileBytes(drawn) : QByteArray());
    }
  }
}

TEST_F(FileCommandsTest, HelpOpensTheContentsPageOrSaysThereIsNone) {
  window->toolButton(u"Help"_s)->trigger();
  EXPECT_EQ(onlyMessage().text,
            u"Unable to display Help Contents. There is no Help associated with this project."_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Information);
  EXPECT_EQ(onlyMessage().title, window->windowTitle());
  EXPECT_TRUE(seam->helpPages.empty());
  writeContent(path("help/velloro.htm"), "<html></html>");
  run("mnuHelpContents");
  EXPECT_EQ(seam->helpPages, std::vector{QUrl::fromLocalFile(path("help/velloro.htm"))});
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheNameThatCtrlSSavesToAFailedSaveMakesNoFolder) {
  for (const int bitmapOrPng : {1, 3}) {
    SCOPED_TRACE(bitmapOrPng);
    TearDown(), SetUp();  // a fresh window
    const QString before = design().currentPictureName;
    const QString caption = window->windowTitle();
    window->canvasView()->setPicture(filled({5, 3}, Qt::red));
    saveAs(path("no-such-folder/logo"), bitmapOrPng);
    EXPECT_TRUE(onlyMessage().text.startsWith(u"error number : "_s));
    EXPECT_EQ(design().currentPictureName, before);
    EXPECT_EQ(window->windowTitle(), caption);
    focusTextBox();
    QTest::keyClick(textBox(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(seam->messages.size(), 1u);
    EXPECT_EQ(contentOf(before), bmpFileBytes(filled({5, 3}, Qt::red)));
    EXPECT_FALSE(QDir(path("no-such-folder")).exists());
  }
  design().currentPictureName = path("no-such-folder/logo.bmp");
  run("mnuFileSave");
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_TRUE(seam->messages[1].text.startsWith(u"error number : "_s));
  EXPECT_TRUE(seam->messages[1].text.contains(u"/119\r\n"_s));
  EXPECT_FALSE(QDir(path("no-such-folder")).exists());
}

// Open a photo, draw on it, open a title over it; Ctrl+Z and Ctrl+R in the
// title box, as a user presses them, carry the file name with each canvas,
// and Ctrl+S writes each canvas to its own file only.
TEST_F(FileCommandsTest, UndoAndRedoOfAnOpenCarryTheNameThatSaveWritesTo) {
  const QImage photo = filled({400, 300}, Qt::blue);
  const QImage title = filled({689, 239}, Qt::yellow);
  saveBmp(photo, path("inputs/a.bmp"));
  ASSERT_TRUE(title.save(path("inputs/title.png")));
  const QByteArray titleBytes = contentOf(path("inputs/title.png"));
  seam->fileAnswers = {path("inputs/a.bmp"), path("inputs/title.png")};
  seam->messageAnswers = {MessageAnswer::Discard};
  run("mnuFileOpen");
  drawnAgain();
  run("mnuFileOpen");
  ASSERT_EQ(seam->messages.size(), 1u);
  focusTextBox();
  const struct {
    const char* step;
    QKeyCombination keys;
    QSize canvas;
    const char* name;
  } steps[] = {
      {"undo", Qt::ControlModifier | Qt::Key_Z, {400, 300}, "inputs/a.bmp"},
      {"redo", Qt::ControlModifier | Qt::Key_R, {689, 239}, "inputs/title.png"},
      {"undo again", Qt::ControlModifier | Qt::Key_Z, {400, 300}, "inputs/a.bmp"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    QTest::keyClick(textBox(), step.keys.key(), step.keys.keyboardModifiers());
    EXPECT_EQ(canvas().size(), step.canvas);
    EXPECT_EQ(design().currentPictureName, path(step.name));
    EXPECT_EQ(window->windowTitle(), path(step.name));
  }
  QTest::keyClick(textBox(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(contentOf(path("inputs/title.png")), titleBytes);
  EXPECT_EQ(contentOf(path("inputs/a.bmp")), bmpFileBytes(canvas()));
  EXPECT_EQ(canvas().size(), QSize(400, 300));
}

// After a save, a click on the design that does not move it leaves nothing
// to save; moving it does.
TEST_F(FileCommandsTest, AClickOnTheDesignIsNoChangeAMoveIs) {
  const struct {
    const char* gesture;
    QPoint to;
    size_t questions;
  } gestures[] = {{"click", {20, 20}, 0}, {"move", {50, 20}, 1}};
  for (const auto& gesture : gestures) {
    SCOPED_TRACE(gesture.gesture);
    TearDown(), SetUp();  // a fresh window
    design().currentPictureName = path("inputs/logo.bmp");
    drawnAgain();
    run("mnuFileSave");
    ASSERT_TRUE(seam->messages.empty());
    dragOnCanvas({20, 20}, gesture.to);
    seam->messageAnswers = {MessageAnswer::Cancel};
    run("mnuFileNew");
    EXPECT_EQ(seam->messages.size(), gesture.questions);
  }
}

// The shipped help lists the canvas commands that make an undo step and
// those that make none; each does as the help says.
TEST_F(FileCommandsTest, TheHelpTellsWhichCommandsMakeAnUndoStepAsTheyDo) {
  const QString help =
      QString::fromUtf8(contentOf(SHIPPED_CURVES "/../help/velloro.htm")).simplified();
  const qsizetype from = help.indexOf(u"step through the changes of the canvas:"_s);
  const qsizetype makers = help.indexOf(u"each make one step;"_s, from);
  const qsizetype none = help.indexOf(u"makes none"_s, makers);
  ASSERT_TRUE(from >= 0 && makers > from && none > makers);
  const QString making = help.mid(from, makers - from);
  const QString notMaking = help.mid(makers, none - makers);
  saveBmp(filled({30, 20}, Qt::green), path("inputs/green.bmp"));
  design().currentPictureName = path("inputs/logo.bmp");
  const struct {
    const char* said;
    std::function<void()> command;
    int steps;
  } commands[] = {
      {"saving", [&] { run("mnuFileSave"); }, 0},
      {"opening", [&] { run("mnuFileOpen", path("inputs/green.bmp")); }, 1},
      {"pasting",
       [&] {
         QApplication::clipboard()->setImage(filled({12, 8}, Qt::red));
         run("mnuEditPaste");
       },
       1},
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(command.said);
    const int before = design().undo.counters.top;
    command.command();
    EXPECT_EQ(design().undo.counters.top - before, command.steps);
    EXPECT_EQ(making.contains(QLatin1String(command.said)), command.steps == 1);
    EXPECT_EQ(notMaking.contains(QLatin1String(command.said)), command.steps == 0);
  }
  EXPECT_TRUE(seam->messages.empty());
}
