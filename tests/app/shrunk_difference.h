// How closely a picture drawn `scale` times as dense matches a picture at
// scale 1: the dense one shrunk by `scale` with a box filter, both laid
// over white as a page shows them.
#pragma once

#include <QImage>
#include <cstdlib>

// Mean absolute difference per colour channel, of 255.
inline double shrunkDifference(const QImage& small, const QImage& dense, int scale) {
  const auto overWhite = [](QRgb p, int channel) {
    const int value = channel == 0 ? qRed(p) : channel == 1 ? qGreen(p) : qBlue(p);
    return (value * qAlpha(p) + 255 * (255 - qAlpha(p))) / 255;
  };
  double sum = 0;
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x)
      for (int channel = 0; channel < 3; ++channel) {
        int block = 0;
        for (int d = 0; d < scale * scale; ++d)
          block += overWhite(dense.pixel(x * scale + d % scale, y * scale + d / scale), channel);
        sum += std::abs(overWhite(small.pixel(x, y), channel) - block / (scale * scale));
      }
  return sum / (3.0 * small.width() * small.height());
}
