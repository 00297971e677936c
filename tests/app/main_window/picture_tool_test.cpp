#include <QPainter>

#include "main_window_fixture.h"
#include "tools/kept_share.h"
#include "tools/mask_canvas.h"

class PictureToolTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QImage photo = filled({101, 51}, QColor(30, 200, 120));  // green, and red on the right
    QPainter(&photo).fillRect(60, 0, 41, 51, QColor(200, 50, 50));
    photoPath = path("photo.png");
    ASSERT_TRUE(photo.save(photoPath));
    window->menuEntry(u"mnuToolsPicture"_s)->trigger();
    tool = window->pictureTool();
    ASSERT_NE(tool, nullptr);
    tool->clock = [this] { return now; };
  }

  void loadPhoto() {
    seam->fileAnswers.push_back(photoPath);
    tool->loadButton()->click();
  }

  // Mask pixels at places of the photo, inside the frame.
  void expectMask(Pixels pixels) const {
    expectPixels(tool->maskCanvas()->picture(), pixels, {32, 32});
  }

  void stroke(QPoint from, QPoint to) {
    tool->maskPressed(Qt::LeftButton, from);
    tool->maskMoved(Qt::LeftButton, to);
    tool->maskReleased(Qt::LeftButton, to);
  }

  QString photoPath;
  PictureTool* tool = nullptr;
  qint64 now = 0;  // the tool's clock, in milliseconds
};

TEST_F(PictureToolTest, LoadCentresTheFramedPhotoPickingKeepsTheGreenAndNoPictureIsRefused) {
  loadPhoto();
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(tool->photoView()->pos(), QPoint(131, 113));
  EXPECT_EQ(tool->maskCanvas()->pos(), QPoint(131, 113));
  EXPECT_EQ(QImage(design().workingFiles.picture, "BMP").size(), QSize(165, 115));
  expectMask({{{100, 50}, Qt::black}, {{-1, -1}, Qt::white}});
  EXPECT_TRUE(tool->applyButton()->isEnabled());
  EXPECT_TRUE(tool->colourPanel()->isEnabled());
  tool->activated();
  tool->pictureReleased(Qt::LeftButton, QPoint(32 + 10, 32 + 10));
  EXPECT_EQ((std::array{tool->ranges.RedMax, tool->ranges.GreenMin, tool->ranges.BlueMin}),
            (std::array{130, 100, 20}));
  EXPECT_EQ(tool->boundLabels()[0]->text(), u"between 0"_s);
  EXPECT_EQ(tool->boundLabels()[3]->text(), u"and 255"_s);
  expectMask({{{10, 10}, Qt::black}, {{80, 10}, Qt::white}});
  EXPECT_EQ(tool->photoView()->picture().pixelColor(32 + 80, 32 + 10), QColor(Qt::white));
  writeContent(path("elsewhere/broken.bmp"), QByteArray("not a picture"));
  seam->fileAnswers.push_back(path("elsewhere/broken.bmp"));
  tool->loadButton()->click();
  EXPECT_EQ(onlyMessage().text, u"I cannot read this file.Please choose another one."_s);
  EXPECT_EQ(onlyMessage().owner, tool);
  EXPECT_EQ(seam->openRequests.back().owner, tool);
  EXPECT_EQ(tool->maskCanvas()->picture().size(), QSize(165, 115));
  EXPECT_EQ(tool->chosenFile, photoPath);
  tool->loadButton()->click();  // cancelled
  ASSERT_EQ(seam->openRequests.size(), 3u);
  EXPECT_EQ(seam->openRequests[0].folder, path("inputs"));
  EXPECT_EQ(seam->openRequests[1].folder, folder.path());
  EXPECT_EQ(seam->openRequests[2].folder, path("elsewhere"));
}

TEST_F(PictureToolTest, EachBoundButtonStepsItsOwnBoundWithinTheRange) {
  loadPhoto();
  for (int index = 0; index < 6; ++index) {
    const bool lower = index % 2 == 0;
    QPushButton* button = lower ? tool->raiseButtons()[index] : tool->lowerButtons()[index];
    QStringList expected;
    for (const QLabel* label : tool->boundLabels()) expected << label->text();
    expected[index] = lower ? u"between 1"_s : u"and 254"_s;
    QTest::mousePress(button, Qt::LeftButton);
    now += 150;
    tool->heldBoundTick();
    QTest::mouseRelease(button, Qt::LeftButton);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(tool->boundLabels()[i]->text(), expected[i]) << index;
  }
  EXPECT_EQ(tool->ranges.BlueMin, 1);
  EXPECT_EQ(tool->ranges.GreenMax, 254);
  // A short press steps nothing but keys again; a held one stops at 255.
  tool->ranges.RedMax = 100;  // the red part goes at the next keying
  tool->boundButtonPressed(1, false);
  now += 50;
  tool->heldBoundTick();
  tool->boundButtonReleased(1, false);
  EXPECT_EQ(tool->ranges.RedMax, 100);
  expectMask({{{80, 10}, Qt::white}, {{10, 10}, Qt::black}});
  tool->ranges.RedMin = 254;
  tool->boundButtonPressed(0, true);
  for (int tick = 0; tick < 95; ++tick, now += 10) tool->heldBoundTick();
  tool->boundButtonReleased(0, true);
  EXPECT_EQ(tool->ranges.RedMin, 255);
  EXPECT_EQ(tool->boundLabels()[0]->text(), u"between 255"_s);
  expectMask({{{10, 10}, Qt::white}});  // lower bound above the upper one
  EXPECT_FALSE(tool->PlusHeld);
}

// Transparent pixels are keyed away whatever the transparent colour; opaque white stays.
TEST_F(PictureToolTest, TransparentPixelsTakeTheTransparentColour) {
  QImage photo(40, 20, QImage::Format_ARGB32);
  photo.fill(Qt::transparent);
  QPainter(&photo).fillRect(20, 0, 20, 20, Qt::white);
  ASSERT_TRUE(photo.save(photoPath));
  loadPhoto();
  expectMask({{{5, 5}, Qt::white}, {{30, 5}, Qt::white}});  // white is the transparent colour
  seam->colourAnswers.push_back(QColor(0, 255, 0));
  QTest::mouseClick(tool->transparentColourButton(), Qt::LeftButton);
  EXPECT_EQ(seam->colourOwners, std::vector<QWidget*>{tool});
  EXPECT_EQ((std::array{tool->ranges.KeyRed, tool->ranges.KeyGreen, tool->ranges.KeyBlue}),
            (std::array{0, 255, 0}));
  const QImage framed = QImage(design().workingFiles.picture, "BMP");
  expectPixels(framed, {{{0, 0}, QColor(0, 255, 0)}, {{32 + 5, 32 + 5}, QColor(0, 255, 0)}});
  EXPECT_EQ(tool->viewport()->palette().color(QPalette::Window), QColor(0, 255, 0));
  expectMask({{{5, 5}, Qt::white}, {{30, 5}, Qt::black}});
}

TEST_F(PictureToolTest, StrokesUndoneThenARectangleDrawnInMaskModeReachTheMaskFileOnApply) {
  loadPhoto();
  tool->ranges.RedMax = 100;
  tool->boundButtonReleased(1, true);  // the red part now white in the mask
  tool->maskButton()->click();
  EXPECT_TRUE(tool->maskCanvas()->isVisible());
  EXPECT_FALSE(tool->loadButton()->isEnabled());
  tool->penColourButtons()[1]->click();
  const QImage unmarked = tool->maskCanvas()->picture();
  tool->maskUndoButton()->click();
  EXPECT_EQ(tool->maskCanvas()->picture(), unmarked);
  stroke({0, 0}, {100, 0});
  stroke({0, 20}, {100, 20});
  stroke({0, 100}, {100, 100});
  EXPECT_EQ(tool->maskCanvas()->picture().pixelColor(50, 0), QColor(Qt::black));
  for (int step = 0; step < 4; ++step) tool->maskUndoButton()->click();
  EXPECT_EQ(tool->maskCanvas()->picture(), unmarked);
  const QString firstUndoFile = tool->undoFiles->fileOfLevel(0);
  EXPECT_TRUE(firstUndoFile.startsWith(folder.path()));
  tool->penWidthSlider()->setValue(3);
  tool->toolClicked(2);
  tool->maskPressed(Qt::LeftButton, QPoint(112, 42));
  tool->maskMoved(Qt::LeftButton, QPoint(122, 52));
  EXPECT_TRUE(tool->maskCanvas()->outline().has_value());
  EXPECT_EQ(tool->maskCanvas()->picture().pixelColor(112, 42), QColor(Qt::white));  // not in yet
  tool->maskReleased(Qt::LeftButton, QPoint(122, 52));
  EXPECT_FALSE(tool->maskCanvas()->outline().has_value());
  tool->applyButton()->click();
  EXPECT_FALSE(tool->isVisible());
  EXPECT_FALSE(tool->maskCanvas()->isVisible());
  EXPECT_EQ(design().sourceKind, SourceKind::Picture);
  const QImage mask = QImage(design().workingFiles.mask, "BMP");
  ASSERT_EQ(mask.size(), QSize(165, 115));
  // The rectangle's edge, inside it (still removed), the kept green, the frame.
  expectPixels(mask, {{{112, 42}, Qt::black}, {{117, 47}, Qt::white}});
  expectPixels(mask, {{{42, 42}, Qt::black}, {{20, 20}, Qt::white}});
  const QImage before = canvas();
  window->draw();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_NE(canvas(), before);
  EXPECT_TRUE(QFile::exists(firstUndoFile));
  delete tool;  // the window's unload
  EXPECT_FALSE(QFile::exists(firstUndoFile));
}

// Opened without the hint a left click on an empty source gives.
TEST_F(PictureToolTest, OpenedAgainAfterCancelItKeepsTheMaskFileRemoveLeavesNoPicture) {
  EXPECT_TRUE(tool->isVisible());
  EXPECT_EQ(tool->parentWidget(), window.get());
  EXPECT_EQ(design().sourceKind, SourceKind::Picture);
  EXPECT_FALSE(tool->applyButton()->isEnabled());
  EXPECT_FALSE(tool->colourPanel()->isEnabled());
  tool->cancelButton()->click();
  EXPECT_FALSE(tool->isVisible());
  emit window->sourceFrame()->sourcePressed(velloro::toInt(SourceKind::Picture), Qt::RightButton);
  EXPECT_TRUE(tool->isVisible());
  EXPECT_EQ(window->pictureTool(), tool);
  EXPECT_TRUE(seam->messages.empty());
  loadPhoto();
  tool->applyButton()->click();
  const QByteArray applied = contentOf(design().workingFiles.mask);
  window->showPictureTool();
  tool->maskButton()->click();
  tool->penColourButtons()[1]->click();
  stroke({0, 0}, {160, 110});
  tool->cancelButton()->click();
  EXPECT_EQ(contentOf(design().workingFiles.mask), applied);
  EXPECT_FALSE(tool->maskCanvas()->isVisible());
  EXPECT_TRUE(tool->loadButton()->isEnabled());
  window->showPictureTool();
  seam->messageAnswers = {MessageAnswer::No};
  tool->removeButton()->click();  // asks first: No keeps everything
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            u"Take the photo and its mask out of the picture tool ?\r\nThe design keeps no "
            u"picture afterwards."_s);
  EXPECT_EQ(seam->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(seam->messages[0].owner, tool);
  EXPECT_TRUE(tool->applyButton()->isEnabled());
  EXPECT_EQ(contentOf(design().workingFiles.mask), applied);
  seam->messageAnswers = {MessageAnswer::Yes};
  tool->removeButton()->click();
  seam->messages.clear();
  EXPECT_FALSE(tool->applyButton()->isEnabled());
  EXPECT_TRUE(tool->keptShareLabel()->text().isEmpty());
  EXPECT_TRUE(tool->photoView()->picture().isNull());
  EXPECT_EQ(contentOf(design().workingFiles.mask).size(), 0);
  tool->activated();
  tool->pictureReleased(Qt::LeftButton, QPoint(5, 5));  // no picture to pick in
  window->draw();
  EXPECT_EQ(onlyMessage().text, u"No picture loaded !"_s);
}

// The readout tells how much of the photo each click keeps: the whole photo
// at first, the green part (60 of 101 columns) after a click on the green;
// a click on the red part, now shown in the transparent colour, keeps only
// that colour: nothing of the photo.
TEST_F(PictureToolTest, TheReadoutTellsHowMuchOfThePhotoTheClickKeeps) {
  EXPECT_TRUE(tool->keptShareLabel()->text().isEmpty());
  loadPhoto();
  tool->activated();
  EXPECT_EQ(tool->keptShareLabel()->text(),
            u"Kept: 100 % of the photo, what still shows in colour. A click keeps the colours "
            u"near the one clicked: click the subject, not the background."_s);
  const std::pair<QPoint, const char*> clicks[] = {
      {{10, 10}, "Kept: 59 % "}, {{59, 50}, "Kept: 59 % "}, {{80, 40}, "Kept: 0 % "}};
  for (const auto& [at, said] : clicks) {
    SCOPED_TRACE(said);
    tool->pictureReleased(Qt::LeftButton, at + QPoint(32, 32));
    EXPECT_TRUE(tool->keptShareLabel()->text().startsWith(QLatin1String(said)))
        << tool->keptShareLabel()->text().toStdString();
    EXPECT_TRUE(tool->keptShareLabel()->isVisible());
  }
}

TEST(KeptShare, CountsTheBlackInsideTheFrame) {
  const int band = 32;
  const struct {
    QSize inside;
    int blackColumns;
    int percent;
  } masks[] = {
      {{4, 2}, 1, 25}, {{3, 1}, 2, 67}, {{200, 1}, 1, 1}, {{200, 1}, 0, 0}, {{0, 0}, 0, 0}};
  for (const auto& mask : masks) {
    SCOPED_TRACE(mask.inside.width());
    QImage picture(mask.inside + QSize(2 * band, 2 * band), QImage::Format_RGB32);
    picture.fill(Qt::black);  // the band counts for nothing
    QPainter(&picture).fillRect(QRect(QPoint(band, band), mask.inside), Qt::white);
    if (mask.blackColumns > 0)
      QPainter(&picture).fillRect(band, band, mask.blackColumns, mask.inside.height(), Qt::black);
    EXPECT_EQ(keptPercent(picture), mask.percent);
  }
}
