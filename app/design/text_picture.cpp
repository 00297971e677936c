#include "design/text_picture.h"

#include <QFontInfo>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>

#include "design/colour_glyphs.h"
#include "files/failure.h"

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

// Left or right, as a line of that reading direction starts or ends.
LineAlignment sideOf(LineAlignment alignment, const QString& line) {
  const bool rightToLeft = line.isRightToLeft();
  if (alignment == LineAlignment::Start)
    return rightToLeft ? LineAlignment::Right : LineAlignment::Left;
  if (alignment == LineAlignment::End)
    return rightToLeft ? LineAlignment::Left : LineAlignment::Right;
  return alignment;
}

// Where `line`, `width` wide, starts within a block `blockWidth` wide.
double alignedLeft(LineAlignment alignment, const QString& line, double blockWidth, double width) {
  switch (sideOf(alignment, line)) {
    case LineAlignment::Centre: return (blockWidth - width) / 2;
    case LineAlignment::Right: return blockWidth - width;
    case LineAlignment::Left:
    case LineAlignment::Start:
    case LineAlignment::End: break;
  }
  return 0;
}

// Runs `work` on a thread of its own, and so with font caches of its own:
// Qt keeps its font engines and their FreeType faces per thread, and a face
// shared by all sizes of a font hints a glyph's outline, which large text
// is drawn from, with what the hinting program of the size hinted before
// left behind. A print on a fresh thread is drawn as a freshly started
// program draws it, whatever this thread or any other printed before.
void withFreshFontCaches(const std::function<void()>& work) {
  std::exception_ptr failure;
  QThread* thread = QThread::create([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  });
  thread->start();
  thread->wait();
  delete thread;
  if (failure) std::rethrow_exception(failure);
}

// Whether this thread's font caches print `font` as a fresh thread's do:
// they do while the thread has printed the face drawing it (a substitute's
// too) in no other size or form. A service lane or a batch prints one
// design's titles in one size and so keeps its caches, and the fresh
// thread's cost (about 7 ms of font set-up); a size dragged in the window
// prints anew.
bool printsAsBefore(const QFont& font) {
  thread_local QHash<QString, QString> formOfFamily;
  const QString face = QFontInfo(font).family();
  const auto form = formOfFamily.constFind(face);
  if (form != formOfFamily.constEnd()) return *form == font.key();
  formOfFamily.insert(face, font.key());
  return true;
}

}  // namespace

QStringList titleLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
  return text.split(lineBreak);
}

QString titleLinesProblem(const QString& text) {
  const qsizetype count = titleLines(text).size();
  if (count <= largestLineCount) return {};
  return QStringLiteral("the text has %1 lines; a title holds at most %2")
      .arg(count)
      .arg(largestLineCount);
}

namespace {

// Characters that count as letters or marks, yet every font draws blank:
// fillers, the blank braille pattern, joiners and variation selectors.
bool blankGlyph(char32_t character) {
  const auto within = [character](char32_t first, char32_t last) {
    return character >= first && character <= last;
  };
  return character == 0x034F || within(0x115F, 0x1160) || within(0x17B4, 0x17B5) ||
         within(0x180B, 0x180F) || character == 0x2800 || character == 0x3164 ||
         within(0xFE00, 0xFE0F) || character == 0xFFA0 || within(0xE0100, 0xE01EF);
}

}  // namespace

bool inkedCharacter(char32_t character) {
  return QChar::isPrint(character) && !QChar::isSpace(character) && !blankGlyph(character);
}

namespace {

// Whole characters, not UTF-16 units: a letter outside the Basic
// Multilingual Plane is two units, neither of them printable alone.
bool drawsSomething(const QString& text) {
  const QList<uint> characters = text.toUcs4();
  return std::any_of(characters.begin(), characters.end(),
                     [](uint character) { return inkedCharacter(character); });
}

}  // namespace

QString titleProblem(const QString& text) {
  if (!drawsSomething(text)) return QStringLiteral("the text holds nothing to draw");
  return titleLinesProblem(text);
}

TextLayout textLayout(QSizeF textSize, double fontPointSize, double lineHeight) {
  TextLayout layout;
  layout.margin = fontPointSize / 4;
  layout.width = roundHalfEven(textSize.width() + 12 + 2 * layout.margin);
  const int32_t firstLineRoom = roundHalfEven(roundHalfEven(lineHeight) * 1.3);
  layout.height = firstLineRoom + roundHalfEven(textSize.height() - lineHeight);
  layout.top = firstLineRoom / 15.0;
  return layout;
}

TextPicture::TextPicture() : font(QStringLiteral("Tahoma"), 75) {
  font.setBold(true);
  picture = blankPicture({1, 1});
}

void TextPicture::setDotsPerInch(double dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  picture = blankPicture(picture.size());
  colourGlyphs = QImage();
}

QImage TextPicture::blankPicture(QSize size) const {
  QImage blank(size, QImage::Format_RGB888);
  const int dotsPerMetre = int(std::lround(dotsPerInch_ / metresPerInch));
  blank.setDotsPerMeterX(dotsPerMetre);
  blank.setDotsPerMeterY(dotsPerMetre);
  blank.fill(Qt::white);
  return blank;
}

QFont TextPicture::printedFont() const {
  QFont printed = font;
  printed.setLetterSpacing(QFont::AbsoluteSpacing, arrangement.letterSpacing);
  return printed;
}

double TextPicture::lineStep(const QFontMetricsF& metrics) const {
  return metrics.lineSpacing() * arrangement.lineSpacing;
}

// The letter spacing follows every letter, the last one too: the line ends
// at its last letter.
double TextPicture::lineWidth(const QFontMetricsF& metrics, const QString& line) const {
  if (line.isEmpty()) return 0;
  return pieceByPieceWidth(metrics, line) - arrangement.letterSpacing;
}

QList<double> TextPicture::lineWidths(const QFontMetricsF& metrics,
                                      const QStringList& lines) const {
  QList<double> widths;
  widths.reserve(lines.size());
  for (const QString& line : lines) widths << lineWidth(metrics, line);
  return widths;
}

QSizeF TextPicture::blockSize(const QFontMetricsF& metrics, const QList<double>& widths) const {
  const double widest = widths.isEmpty() ? 0 : *std::max_element(widths.begin(), widths.end());
  return {std::max(widest, 0.0), metrics.height() + double(widths.size() - 1) * lineStep(metrics)};
}

QSizeF TextPicture::textSize(const QString& text) const {
  const QFontMetricsF metrics(printedFont(), &picture);
  return blockSize(metrics, lineWidths(metrics, titleLines(text)));
}

int32_t TextPicture::roundedFontSize() const { return roundHalfEven(font.pointSizeF()); }

void TextPicture::print(const QString& text) {
  if (printed_ == Printing{text, font, arrangement, picture.cacheKey()}) return;
  const QFont printing = printedFont();
  if (printsAsBefore(printing))
    printAnew(text);
  else
    withFreshFontCaches([&] { printAnew(text); });
  printed_ = {text, font, arrangement, picture.cacheKey()};
}

void TextPicture::printAnew(const QString& text) {
  // Each line is shaped once: for the block's size and for its alignment.
  const QFontMetricsF metrics(printedFont(), &picture);
  const QStringList lines = titleLines(text);
  const QList<double> widths = lineWidths(metrics, lines);
  const QSizeF size = blockSize(metrics, widths);
  // The whole pixels of a layout could not hold the width of a text far too
  // long: such a text is refused before its layout is made.
  if (!(size.width() <= double(largestTextPicture)))
    throw tooLargeToDraw(size.width(), size.height() * 1.3);
  const TextLayout layout = textLayout(size, font.pointSizeF(), metrics.height());
  if (qint64(layout.width) * layout.height > largestTextPicture)
    throw tooLargeToDraw(layout.width, layout.height);
  picture = blankPicture({layout.width, layout.height});
  const SetLines set{lines, widths, size.width(), layout, metrics.ascent(), lineStep(metrics)};
  printLines(picture, Qt::black, set);
  colourGlyphs = holdsColouredPixels(picture) ? printedColourGlyphs(set) : QImage();
  if (!colourGlyphs.isNull()) inkColourGlyphs(picture, colourGlyphs);
}

void TextPicture::printLines(QImage& target, const QColor& pen, const SetLines& set) const {
  QPainter painter(&target);
  painter.setFont(printedFont());
  painter.setPen(pen);
  double baseline = set.layout.top + set.ascent;
  for (qsizetype i = 0; i < set.lines.size(); ++i) {
    const double left =
        alignedLeft(arrangement.alignment, set.lines[i], set.blockWidth, set.widths[i]);
    painter.drawText(QPointF(set.layout.margin + left, baseline), set.lines[i]);
    baseline += set.step;
  }
}

QImage TextPicture::printedColourGlyphs(const SetLines& set) const {
  QImage inBlack(picture.size(), QImage::Format_ARGB32_Premultiplied);
  inBlack.fill(Qt::transparent);
  QImage inWhite = inBlack;
  printLines(inBlack, Qt::black, set);
  printLines(inWhite, Qt::white, set);
  return colourGlyphsOf(inBlack, inWhite);
}
