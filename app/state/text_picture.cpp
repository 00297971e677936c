#include "state/text_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "state/failure.h"

namespace {

constexpr double metresPerInch = 0.0254;

// The engine keeps about 120 bytes of working arrays per mask pixel; beyond
// this many pixels a render would take gigabytes.
constexpr qint64 largestTextPicture = qint64(8) << 20;

}  // namespace

TextLayout textLayout(QSizeF textSize, double fontPointSize) {
  TextLayout layout;
  layout.margin = fontPointSize / 4;
  layout.width = roundHalfEven(textSize.width() + 12 + 2 * layout.margin);
  layout.height = roundHalfEven(roundHalfEven(textSize.height()) * 1.3);
  return layout;
}

TextPicture::TextPicture() : font(QStringLiteral("Tahoma"), 75) {
  font.setBold(true);
  picture = blankPicture({1, 1});
}

void TextPicture::setDotsPerInch(double dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  picture = blankPicture(picture.size());
}

QImage TextPicture::blankPicture(QSize size) const {
  QImage blank(size, QImage::Format_RGB888);
  const int dotsPerMetre = int(std::lround(dotsPerInch_ / metresPerInch));
  blank.setDotsPerMeterX(dotsPerMetre);
  blank.setDotsPerMeterY(dotsPerMetre);
  blank.fill(Qt::white);
  return blank;
}

QSizeF TextPicture::textSize(const QString& text) const {
  const QFontMetricsF metrics(font, &picture);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

int32_t TextPicture::roundedFontSize() const { return roundHalfEven(font.pointSizeF()); }

void TextPicture::print(const QString& text) {
  const TextLayout layout = textLayout(textSize(text), font.pointSizeF());
  if (qint64(layout.width) * layout.height > largestTextPicture)
    throw Failure(errorNumber::OutOfMemory,
                  QStringLiteral("The text is too large to draw (%1 x %2 pixels): "
                                 "choose a smaller size or a shorter text")
                      .arg(layout.width)
                      .arg(layout.height));
  picture = blankPicture({layout.width, layout.height});
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &picture);
  painter.drawText(QPointF(layout.margin, layout.height / 15.0 + metrics.ascent()), text);
}
