#include "design/style_contrast.h"

#include <cmath>

namespace {

constexpr double closeLightness = 255.0 / 5;

// Luma with the weights of television: green looks lighter than red, and
// red than blue.
double lightnessOf(double red, double green, double blue) {
  return 0.299 * red + 0.587 * green + 0.114 * blue;
}

double meanLightness(const QImage& canvas) {
  const QImage pixels = canvas.convertToFormat(QImage::Format_RGB888);
  double sum = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    const uchar* line = pixels.constScanLine(y);
    for (int x = 0; x < pixels.width(); ++x)
      sum += lightnessOf(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
  }
  return sum / (double(pixels.width()) * pixels.height());
}

}  // namespace

std::optional<Lightness> sharedLightness(const StyleColour& fill, const QImage& canvas) {
  if (canvas.isNull()) return std::nullopt;
  const double title = lightnessOf(fill.red, fill.green, fill.blue);
  if (std::abs(title - meanLightness(canvas)) >= closeLightness) return std::nullopt;
  return title >= 255.0 / 2 ? Lightness::Light : Lightness::Dark;
}
