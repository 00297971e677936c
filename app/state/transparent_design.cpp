#include "state/transparent_design.h"

#include <algorithm>
#include <cmath>

namespace {

// Alpha of a pixel from how far white showed through more than black, taken
// over the three channels since the engine's factor is shared by them.
int alphaOf(QRgb black, QRgb white) {
  const int throughRed = qRed(white) - qRed(black);
  const int throughGreen = qGreen(white) - qGreen(black);
  const int throughBlue = qBlue(white) - qBlue(black);
  const double through = (throughRed + throughGreen + throughBlue) / 3.0;
  return std::clamp(255 - int(std::lround(through)), 0, 255);
}

// The colour that, laid over black with `alpha`, gives `overBlack`.
int unpremultiplied(int overBlack, int alpha) {
  return std::clamp(int(std::lround(overBlack * 255.0 / alpha)), 0, 255);
}

QRgb cutOut(QRgb black, QRgb white) {
  const int alpha = alphaOf(black, white);
  if (alpha == 0) return qRgba(0, 0, 0, 0);
  if (alpha == 255) return qRgba(qRed(black), qGreen(black), qBlue(black), 255);
  return qRgba(unpremultiplied(qRed(black), alpha), unpremultiplied(qGreen(black), alpha),
               unpremultiplied(qBlue(black), alpha), alpha);
}

}  // namespace

QImage transparentDesign(const QImage& overBlack, const QImage& overWhite) {
  const QImage black = overBlack.convertToFormat(QImage::Format_RGB32);
  const QImage white = overWhite.convertToFormat(QImage::Format_RGB32);
  QImage design(black.size(), QImage::Format_ARGB32);
  if (white.size() != black.size()) {
    design.fill(Qt::transparent);
    return design;
  }
  for (int y = 0; y < black.height(); ++y) {
    const auto* blackRow = reinterpret_cast<const QRgb*>(black.constScanLine(y));
    const auto* whiteRow = reinterpret_cast<const QRgb*>(white.constScanLine(y));
    auto* row = reinterpret_cast<QRgb*>(design.scanLine(y));
    for (int x = 0; x < black.width(); ++x) row[x] = cutOut(blackRow[x], whiteRow[x]);
  }
  return design;
}

bool anythingVisible(const QImage& design) {
  const QImage argb = design.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (std::any_of(row, row + argb.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; }))
      return true;
  }
  return false;
}
