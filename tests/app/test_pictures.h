// Pictures for tests: one colour, the plainest input, or a pattern whose
// pixels all differ from their neighbours, so that any shift, loss or blend
// shows; from 64 x 4 on it holds every alpha level.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <functional>

inline QImage filledPicture(int width, int height, const QColor& colour,
                            QImage::Format format = QImage::Format_RGB888) {
  QImage picture(width, height, format);
  picture.fill(colour);
  return picture;
}

inline QImage patterned(int width, int height, QImage::Format format = QImage::Format_RGB888) {
  QImage picture(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, qRgba(x * 37 + y, y * 91 + x * 3, (x ^ y) * 13, (x + 64 * y) % 256));
  return picture.convertToFormat(format);
}

// `image` as a file of `format`, the writer set up by `configure`; empty when
// it cannot be encoded.
inline QByteArray encodedPicture(const QImage& image, const char* format,
                                 const std::function<void(QImageWriter&)>& configure = {}) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (configure) configure(writer);
  return writer.write(image) ? bytes : QByteArray();
}
