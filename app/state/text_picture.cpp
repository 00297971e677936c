#include "state/text_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "state/failure.h"

namespace {

constexpr double metresPerInch = 0.0254;

// The engine keeps about 120 bytes of working arrays per mask pixel; beyond
// this many pixels a render would take gigabytes.
constexpr qint64 largestTextPicture = qint64(8) << 20;

// Qt adds up advances in 26.6 fixed point, which wraps around past about
// 33.5 million pixels: a text measured whole could come out narrow. No
// piece this long comes near that, even in the largest font.
constexpr qsizetype measuredPiece = 1024;

double pieceByPieceWidth(const QFontMetricsF& metrics, const QString& text) {
  double width = 0;
  for (qsizetype start = 0; start < text.size();) {
    qsizetype length = std::min(measuredPiece, text.size() - start);
    // A character of two UTF-16 units stays in one piece.
    if (start + length < text.size() && text[start + length].isLowSurrogate()) ++length;
    width += metrics.horizontalAdvance(text.mid(start, length));
    start += length;
  }
  return width;
}

Failure tooLargeToDraw(double width, double height) {
  return Failure(errorNumber::OutOfMemory,
                 QStringLiteral("The text is too large to draw (%1 x %2 pixels): "
                                "choose a smaller size or a shorter text")
                     .arg(std::round(width), 0, 'f', 0)
                     .arg(std::round(height), 0, 'f', 0));
}

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
  return {pieceByPieceWidth(metrics, text), metrics.height()};
}

int32_t TextPicture::roundedFontSize() const { return roundHalfEven(font.pointSizeF()); }

void TextPicture::print(const QString& text) {
  const QSizeF size = textSize(text);
  // The whole pixels of a layout could not hold the width of a text far too
  // long: such a text is refused before its layout is made.
  if (!(size.width() <= double(largestTextPicture)))
    throw tooLargeToDraw(size.width(), size.height() * 1.3);
  const TextLayout layout = textLayout(size, font.pointSizeF());
  if (qint64(layout.width) * layout.height > largestTextPicture)
    throw tooLargeToDraw(layout.width, layout.height);
  picture = blankPicture({layout.width, layout.height});
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &picture);
  painter.drawText(QPointF(layout.margin, layout.height / 15.0 + metrics.ascent()), text);
}
