#include "tools/kept_share.h"

#include <QRect>
#include <cmath>

#include "design/picture_frame.h"

int keptPercent(const QImage& mask) {
  const QRect inside = mask.rect().adjusted(pictureFrameWidth, pictureFrameWidth,
                                            -pictureFrameWidth, -pictureFrameWidth);
  if (inside.isEmpty()) return 0;
  qint64 kept = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (qRed(mask.pixel(x, y)) < 128) ++kept;
  const qint64 all = qint64(inside.width()) * inside.height();
  return int(std::lround(100.0 * double(kept) / double(all)));
}

QString keptReadout(int percent) {
  return QStringLiteral(
             "Kept: %1 % of the photo, what still shows in colour. A click keeps "
             "the colours near the one clicked: click the subject, not the background.")
      .arg(percent);
}
