#include "design/gradient_fill.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <numbers>

namespace {

// The box of the pixels whose first byte is below 128, as the engine reads
// a mask; the whole picture when there is none.
QRect designBox(const QImage& mask) {
  const QImage pixels = mask.convertToFormat(QImage::Format_RGB888);
  int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
  for (int y = 0; y < pixels.height(); ++y) {
    const uchar* row = pixels.constScanLine(y);
    for (int x = 0; x < pixels.width(); ++x) {
      if (row[3 * x] >= 128) continue;  // a grey mask: any channel
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return pixels.rect();
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

GradientStopsReading readGradientStops(const QString& text) {
  static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
  GradientStopsReading reading;
  const QStringList words = text.split(u',');
  if (words.size() < fewestGradientStops || words.size() > mostGradientStops) {
    reading.problem = QStringLiteral("a gradient has %1 to %2 colours, not %3")
                          .arg(fewestGradientStops)
                          .arg(mostGradientStops)
                          .arg(words.size());
    return reading;
  }
  for (const QString& word : words) {
    const QString colour = word.trimmed();
    if (!rgb.match(colour).hasMatch()) {
      reading.problem = u'\'' + colour + QStringLiteral("' is not a colour written #RRGGBB");
      reading.stops.clear();
      return reading;
    }
    reading.stops.push_back(QColor::fromString(colour));
  }
  return reading;
}

QString gradientStopsText(const QList<QColor>& stops) {
  QStringList words;
  for (const QColor& stop : stops) words << stop.name(QColor::HexRgb);
  return words.join(u',');
}

void paintGradient(QImage& picture, const QRectF& box, const FillGradient& gradient) {
  const double radians = gradient.angle * std::numbers::pi / 180;
  const QPointF direction(std::cos(radians), std::sin(radians));
  // Half the length of the box's shadow on the gradient's direction: the
  // corners then meet the first and the last stop.
  const double reach =
      (box.width() * std::abs(direction.x()) + box.height() * std::abs(direction.y())) / 2;
  QLinearGradient linear(box.center() - reach * direction, box.center() + reach * direction);
  const qsizetype count = gradient.stops.size();
  for (qsizetype i = 0; i < count; ++i)
    linear.setColorAt(count > 1 ? double(i) / double(count - 1) : 0, gradient.stops[i]);
  linear.setSpread(QGradient::PadSpread);
  QPainter painter(&picture);
  painter.fillRect(picture.rect(), linear);
}

// The engine repeats a texture every (width - 1) or so columns and reads
// mask row r from texture row r - 1; one spare column and a row offset of 1
// (given where the tile is installed) lay the picture exactly on the mask.
QImage gradientTexture(const QImage& mask, const FillGradient& gradient) {
  QImage texture(mask.width() + 1, mask.height(), QImage::Format_RGB888);
  const QRect box = designBox(mask);
  // Between pixel centres: the outermost design pixels take the end stops.
  paintGradient(texture,
                QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - 1),
                gradient);
  return texture;
}
