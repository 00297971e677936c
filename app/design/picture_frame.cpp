#include "design/picture_frame.h"

#include <QPainter>
#include <algorithm>

#include "design/rounding.h"

QPoint pictureViewPlacement(QSize picture) {
  return {std::max(roundHalfEven((pictureViewWidth - picture.width()) / 2.0), 0),
          std::max(roundHalfEven((pictureViewHeight - picture.height()) / 2.0), 0)};
}

QSize framedCanvasSize(QSize picture) {
  return {std::min(picture.width(), pictureViewWidth) + 2 * pictureFrameWidth,
          std::min(picture.height(), pictureViewHeight) + 2 * pictureFrameWidth};
}

QImage framedPicture(const QImage& photo, const QColor& frameColour) {
  QImage canvas(framedCanvasSize(photo.size()), QImage::Format_RGB888);
  canvas.fill(frameColour);
  QPainter painter(&canvas);
  painter.drawImage(QPoint(pictureFrameWidth, pictureFrameWidth), photo,
                    QRect(QPoint(0, 0), canvas.size() - QSize(2, 2) * pictureFrameWidth));
  return canvas;
}

void paintFrame(QImage& canvas, const QColor& colour) {
  const int band = pictureFrameWidth;
  const int width = canvas.width();
  const int height = canvas.height();
  QPainter painter(&canvas);
  painter.fillRect(0, 0, width, band, colour);
  painter.fillRect(0, height - band, width, band, colour);
  painter.fillRect(0, 0, band, height, colour);
  painter.fillRect(width - band, 0, band, height, colour);
}
