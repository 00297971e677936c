#include "main_window/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <functional>

namespace {

// Icons are drawn on a 16-unit grid and painted afresh at each size a
// toolbar may ask for, up to three times scaled, so none is ever an
// enlarged small picture.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (int pixels : {16, 24, 32, 48}) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / 16.0, pixels / 16.0);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon letterIcon(const QString& letter, bool bold, bool italic, bool underline, const QColor& ink) {
  return drawnIcon([&](QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(13);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
  });
}

QIcon printerIcon() {
  return drawnIcon([](QPainter& painter) {
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    painter.setBrush(QColor(150, 155, 165));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));
  });
}

QIcon helpIcon() {
  return drawnIcon([](QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 110, 200));
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QIcon cropIcon(const QColor& ink) {
  return drawnIcon([&](QPainter& painter) {
    painter.setPen(QPen(ink, 1.6));
    QPainterPath marks;
    marks.moveTo(4, 1);
    marks.lineTo(4, 12);
    marks.lineTo(15, 12);
    marks.moveTo(1, 4);
    marks.lineTo(12, 4);
    marks.lineTo(12, 15);
    painter.drawPath(marks);
  });
}

}  // namespace

QIcon toolIcon(const QString& key, const QStyle& style, const QColor& ink) {
  if (key == QLatin1String("New")) return style.standardIcon(QStyle::SP_FileIcon);
  if (key == QLatin1String("Open")) return style.standardIcon(QStyle::SP_DialogOpenButton);
  if (key == QLatin1String("Save")) return style.standardIcon(QStyle::SP_DialogSaveButton);
  if (key == QLatin1String("Print")) return printerIcon();
  if (key == QLatin1String("Bold")) return letterIcon(QStringLiteral("B"), true, false, false, ink);
  if (key == QLatin1String("Italic"))
    return letterIcon(QStringLiteral("I"), false, true, false, ink);
  if (key == QLatin1String("Underline"))
    return letterIcon(QStringLiteral("U"), false, false, true, ink);
  if (key == QLatin1String("Crop")) return cropIcon(ink);
  if (key == QLatin1String("Undo")) return style.standardIcon(QStyle::SP_ArrowBack);
  if (key == QLatin1String("Redo")) return style.standardIcon(QStyle::SP_ArrowForward);
  if (key == QLatin1String("Help")) return helpIcon();
  return {};
}
