#include "state/style_contrast.h"

#include <gtest/gtest.h>

// A title shows when it is clearly lighter or darker than the canvas on
// average; a picture canvas counts by its mean, not by one pixel.
TEST(StyleContrast, TitlesAboutAsLightAsTheCanvasAreNamedByTheirLightness) {
  struct Case {
    StyleColour fill;
    QColor canvas;
    std::optional<Lightness> shared;
  };
  const Case cases[] = {
      {{232, 244, 255}, Qt::white, Lightness::Light},
      {{232, 244, 255}, QColor(20, 24, 40), std::nullopt},
      {{0, 0, 200}, Qt::black, Lightness::Dark},
      {{0, 0, 200}, Qt::white, std::nullopt},
      {{128, 128, 128}, QColor(100, 100, 100), Lightness::Light},  // 28 apart
      {{128, 128, 128}, QColor(76, 76, 76), std::nullopt},         // 52 apart
  };
  for (const Case& c : cases) {
    QImage canvas(40, 30, QImage::Format_RGB888);
    canvas.fill(c.canvas);
    EXPECT_EQ(sharedLightness(c.fill, canvas), c.shared) << c.canvas.name().toStdString();
  }
  QImage halves(40, 30, QImage::Format_RGB888);
  halves.fill(Qt::black);
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 40; ++x) halves.setPixelColor(x, y, Qt::white);
  EXPECT_EQ(sharedLightness({128, 128, 128}, halves), Lightness::Light);
  EXPECT_EQ(sharedLightness({255, 255, 255}, halves), std::nullopt);
  EXPECT_EQ(sharedLightness({255, 255, 255}, QImage()), std::nullopt);
}
