#include "main_window/panel_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

#include "design/material_table.h"

QImage colourPalette(QSize size) {
  QImage palette(size, QImage::Format_RGB888);
  for (int y = 0; y < size.height(); ++y) {
    const double lightness = 1.0 - double(y) / std::max(1, size.height() - 1);
    for (int x = 0; x < size.width(); ++x) {
      const double hue = double(x) / size.width();
      palette.setPixelColor(x, y, QColor::fromHslF(float(hue), 1.0f, float(lightness)));
    }
  }
  return palette;
}

QImage surfacePatternThumbnail(int pattern, QSize size) {
  QImage thumbnail(size, QImage::Format_RGB888);
  QRandomGenerator grain(7);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      double shade = 0.5;
      if (pattern == 1) shade = 0.5 + 0.35 * std::sin(y * 1.7 + std::sin(x * 0.3));
      if (pattern == 2) shade = 0.3 + 0.4 * grain.generateDouble();
      if (pattern == 3) shade = 0.5 + 0.35 * std::sin(std::hypot(x - 2, y - 2) * 1.3);
      const int level = int(110 + 110 * shade);
      thumbnail.setPixelColor(x, y, QColor(level / 3, level / 3, level));
    }
  }
  return thumbnail;
}

QImage materialThumbnail(int material, QSize size) {
  // Drawn at the screen's pixel ratio so the disc's rim stays smooth when
  // the desktop is scaled.
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QImage thumbnail(size * ratio, QImage::Format_RGB888);
  thumbnail.setDevicePixelRatio(ratio);
  thumbnail.fill(QColor(236, 236, 236));
  QPainter painter(&thumbnail);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor base = QColor::fromHsv(210, 200 - material * 20, 200);
  if (const std::optional<MaterialLook>& look = materialRow(Material(material)).ownLook)
    base = QColor(look->fillColour.red, look->fillColour.green, look->fillColour.blue);
  const QRectF disc = QRectF(QPointF(0, 0), size).adjusted(4, 4, -4, -4);
  QRadialGradient light(disc.center() - QPointF(disc.width() / 4, disc.height() / 4),
                        disc.width() * (0.6 + material * 0.05));
  light.setColorAt(0, base.lighter(170 - material * 5));
  light.setColorAt(1, base.darker(150 + material * 10));
  painter.setPen(QPen(base.darker(200), 1));
  painter.setBrush(light);
  painter.drawEllipse(disc);
  return thumbnail;
}

QImage raisedPicture(const QImage& flat) {
  QImage raised = flat;
  QPainter painter(&raised);
  // Whole points, so a picture at a higher pixel ratio gets its border
  // in whole blocks of pixels too.
  const QSize size = raised.deviceIndependentSize().toSize();
  const int width = size.width(), height = size.height();
  for (int edge = 0; edge < 2; ++edge) {
    const QColor light = edge == 0 ? QColor(Qt::white) : QColor(224, 224, 224);
    const QColor dark = edge == 0 ? QColor(64, 64, 64) : QColor(128, 128, 128);
    const int across = width - 2 * edge, down = height - 2 * edge;
    painter.fillRect(QRect(edge, edge, across, 1), light);
    painter.fillRect(QRect(edge, edge, 1, down), light);
    painter.fillRect(QRect(edge, height - 1 - edge, across, 1), dark);
    painter.fillRect(QRect(width - 1 - edge, edge, 1, down), dark);
  }
  return raised;
}

void tilePicture(QImage& target, const QImage& tile) {
  if (tile.isNull()) return;
  QPainter painter(&target);
  for (int y = 0; y < target.height(); y += tile.height())
    for (int x = 0; x < target.width(); x += tile.width()) painter.drawImage(x, y, tile);
}

std::optional<QColor> paletteColour(const QImage& palette, Qt::MouseButtons buttons, QPoint at) {
  if (!(buttons & Qt::LeftButton) || !palette.valid(at)) return std::nullopt;
  return palette.pixelColor(at);
}
