// Keying ranges, the framed picture and keying through the engine.
#include <QPainter>

#include "core_test.h"
#include "design/picture_frame.h"
#include "files/bmp_file.h"
#include "rendering/colour_keying.h"
#include "rendering/engine_library.h"

TEST(KeyRangesTest, StepsStopAtZeroAndResetLeavesTheKeyColour) {
  KeyRanges ranges;
  ranges.stepBound(3, false);
  EXPECT_EQ(ranges.GreenMin, 0);
  ranges.RedMin = 40;
  ranges.setKeyColour(QColor(1, 2, 3));
  ranges.resetBounds();
  EXPECT_EQ(ranges.RedMin, 0);
  EXPECT_EQ(ranges.keyColour(), QColor(1, 2, 3));
}

// Large pictures are cut to the viewing area, framed by 32 pixels of the
// given colour.
TEST(PictureFrameTest, LargePicturesAreCutToTheViewingAreaAndFramed) {
  EXPECT_EQ(pictureViewPlacement({800, 600}), QPoint(0, 0));
  // (363 - 100) / 2 = 131.5 rounds to the even 132.
  EXPECT_EQ(pictureViewPlacement({100, 276}).x(), 132);
  QImage photo = filledPicture(800, 600, Qt::blue);
  photo.setPixelColor(362, 276, Qt::red);
  const QImage framed = framedPicture(photo, Qt::green);
  EXPECT_EQ(framed.size(), QSize(427, 341));
  EXPECT_EQ(framed.pixelColor(31, 31), QColor(Qt::green));
  EXPECT_EQ(framed.pixelColor(32, 32), QColor(Qt::blue));
  EXPECT_EQ(framed.pixelColor(32 + 362, 32 + 276), QColor(Qt::red));
  EXPECT_EQ(framed.pixelColor(395, 309), QColor(Qt::green));
  QImage mask = framed;
  paintFrame(mask, Qt::white);
  EXPECT_EQ(mask.pixelColor(0, 340), QColor(Qt::white));
  EXPECT_EQ(mask.pixelColor(394, 308), QColor(Qt::red));
}

// A disc laid over the key colour, as a transparent PNG is: its smoothed
// rim loses the green it mixes in; a hard edge has no mix and stays.
TEST(Keying, TheRimMixedWithTheKeyColourLosesIt) {
  QTemporaryDir folder;
  const QString disc = folder.filePath(QStringLiteral("disc.bmp"));
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  for (const bool smooth : {true, false}) {
    QImage framed = filledPicture(48, 48, Qt::green);
    QPainter painter(&framed);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(QPointF(24, 24), 14.3, 14.3);
    painter.end();
    saveBmp(framed, disc);
    KeyRanges ranges;
    ranges.setKeyColour(Qt::green);
    const KeyedPicture keyed = keyPicture(disc, ranges, engine.entryPoints());
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) {
        const QColor shown = keyed.picture.pixelColor(x, y);
        const bool kept = keyed.mask.pixelColor(x, y) == QColor(Qt::black);
        EXPECT_TRUE(!kept || shown.green() <= 24) << x << "," << y;
        EXPECT_TRUE(smooth || shown == framed.pixelColor(x, y)) << x << "," << y;
      }
  }
}
