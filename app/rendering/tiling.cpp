#include "rendering/tiling.h"

#include <QImage>
#include <QPainter>

void tileOver(QImage& target, const QImage& tile) {
  if (tile.isNull()) return;  // a step of 0 would never end
  QPainter painter(&target);
  for (int x = 0; x <= target.width(); x += tile.width())
    for (int y = 0; y <= target.height(); y += tile.height()) painter.drawImage(x, y, tile);
}
