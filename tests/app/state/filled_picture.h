// A picture of one colour, the plainest input a picture test can take.
#pragma once

#include <QImage>

inline QImage filledPicture(int width, int height, const QColor& colour,
                            QImage::Format format = QImage::Format_RGB888) {
  QImage picture(width, height, format);
  picture.fill(colour);
  return picture;
}
