#include "tools/new_canvas_dialog.h"

#include "main_window_fixture.h"

class NewCanvasDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->menuEntry(u"mnuFileNew"_s)->trigger();
    dialog = qobject_cast<NewCanvasDialog*>(shownWindow("FrmNew"));
    ASSERT_NE(dialog, nullptr);
  }

  NewCanvasDialog* dialog = nullptr;
};

// The texture option without a texture gives a plain canvas.
TEST_F(NewCanvasDialogTest, ApplyWithTheDefaultsGivesAWhite600By400CanvasAsAnUndoableStep) {
  dialog->backgroundButtons()[1]->setChecked(true);
  dialog->okButton()->click();
  EXPECT_EQ(canvas().size(), QSize(600, 400));
  EXPECT_EQ(canvas().pixelColor(599, 399), QColor(Qt::white));
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(design().geometry.canvasWidth, 600);
  EXPECT_EQ(design().currentPictureName, QString());
  EXPECT_EQ(window->windowTitle(), u"Untitled"_s);
  EXPECT_FALSE(dialog->isVisible());
  window->menuEntry(u"mnuEditUndo"_s)->trigger();
  EXPECT_EQ(canvas().size(), QSize(631, 331));
}

TEST_F(NewCanvasDialogTest, ATypedSizeOutsideItsRangeIsClampedWhenTheBoxIsLeft) {
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  const std::tuple<int, const char*, int> typings[] = {
      {0, "20000", 1024}, {0, "-5", 1}, {1, "900", 768}, {1, "0", 1}, {0, "350", 350}};
  for (const auto& [index, typed, shown] : typings) {
    QSpinBox* box = dialog->sizeBoxes()[index];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QLatin1String(typed));
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(box->value(), shown) << typed;
    EXPECT_EQ(box->text(), QString::number(shown)) << typed;
  }
  // OK right after typing, without leaving the box, uses the clamped size too.
  dialog->sizeBoxes()[0]->setFocus();
  dialog->sizeBoxes()[0]->selectAll();
  QTest::keyClicks(dialog->sizeBoxes()[0], u"20000"_s);
  dialog->okButton()->click();
  EXPECT_EQ(canvas().size(), QSize(1024, 1));
}

TEST_F(NewCanvasDialogTest, ChosenColourStaysAfterCancelAndFillsTheNextCanvas) {
  seam->colourAnswers.push_back(QColor(200, 10, 10));
  QTest::mouseClick(dialog->chooseBackgroundButton(), Qt::LeftButton);
  EXPECT_EQ(seam->colourOwners, std::vector<QWidget*>{dialog});
  dialog->cancelButton()->click();
  EXPECT_EQ(window->canvasBackColour(), QColor(200, 10, 10));
  EXPECT_EQ(design().undo.counters.top, 0);
  window->menuEntry(u"mnuFileNew"_s)->trigger();
  auto* next = qobject_cast<NewCanvasDialog*>(shownWindow("FrmNew"));
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->backgroundButtons()[0]->isChecked());
  next->sizeBoxes()[0]->setValue(30);
  next->sizeBoxes()[1]->setValue(20);
  next->okButton()->click();
  EXPECT_EQ(canvas().size(), QSize(30, 20));
  EXPECT_EQ(canvas().pixelColor(10, 10), QColor(200, 10, 10));
}

TEST_F(NewCanvasDialogTest, AMissingTextureChangesNothingAnotherKindsIsOfferedAndTiled) {
  dialog->backgroundButtons()[1]->setChecked(true);
  seam->fileAnswers.push_back(path("textures/gone.bmp"));
  dialog->chooseBackgroundButton()->click();
  ASSERT_EQ(seam->openRequests.size(), 1u);
  EXPECT_EQ(seam->openRequests[0].folder, path("textures"));
  EXPECT_EQ(seam->openRequests[0].fileName, QString());
  EXPECT_EQ(seam->openRequests[0].title, u"Textures"_s);
  EXPECT_EQ(seam->openRequests[0].filter, u"Image files (*.bmp *.gif *.jpg *.jpeg *.png%1)"_s.arg(
                                              webpReadable() ? " *.webp" : ""));
  EXPECT_TRUE(bool(seam->openRequests[0].preview));
  EXPECT_EQ(seam->openRequests[0].owner, dialog);
  EXPECT_EQ(onlyMessage().text, u"File not found !"_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);
  EXPECT_TRUE(design().textureNames[SourceKind::Text].isEmpty());
  QImage tile = filled({128, 128}, Qt::green);
  tile.setPixelColor(0, 0, Qt::red);
  QDir(folder.path()).mkpath(u"textures"_s);
  ASSERT_TRUE(tile.save(path("textures/tile.bmp")));
  design().textureNames[SourceKind::Shape] = path("textures/tile.bmp");
  seam->fileAnswers.push_back(path("textures/tile.bmp"));
  dialog->chooseBackgroundButton()->click();
  EXPECT_EQ(seam->openRequests[1].fileName, u"tile.bmp"_s);  // from kind 2
  EXPECT_EQ(design().textureNames[SourceKind::Text], path("textures/tile.bmp"));
  dialog->okButton()->click();
  expectPixels(canvas(), {{{512, 384}, Qt::red}, {{599, 399}, Qt::green}});
}

TEST_F(MainWindowTest, AboutShowsTheVersionModallyOverTheWindowWithAMailLinkAndSystemInformation) {
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->parentWidget(), window.get());
    EXPECT_EQ(about->lblVersion->text(), u"Velloro Version 1.0.0"_s);
    EXPECT_EQ(about->windowTitle(), u" About Velloro ..."_s);
    about->descriptionClicked();
    about->cmdOK->click();
  });
  run("mnuHelpAbout");
  ASSERT_EQ(seam->openedUrls.size(), 1u);
  EXPECT_EQ(seam->openedUrls[0].scheme(), u"mailto"_s);
  EXPECT_EQ(seam->openedUrls[0].query(QUrl::FullyDecoded), u"subject=Velloro Version 1.0.0"_s);
  StartSysInfo(*seam, {path("empty")});
  EXPECT_EQ(onlyMessage().text, u"System informations not currently available ..."_s);
  writeContent(path("bin/hardinfo"), "#!/bin/sh\n");
  QFile(path("bin/hardinfo")).setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner);
  StartSysInfo(*seam, {path("bin")});
  ASSERT_EQ(seam->startedPrograms.size(), 1u);
  EXPECT_EQ(seam->startedPrograms[0].program, path("bin/hardinfo"));
}
