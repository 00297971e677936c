#include "design/title_fit.h"

#include <QStringList>
#include <cmath>

#include "design/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

const QString ellipsis = u"\u2026"_s;

// The size is lowered by this many points a step: a point is the finest
// step the window's size box offers.
constexpr double sizeStep = 1;

double widthOf(const TextPicture& picture, const QString& line) {
  return picture.textSize(line).width();
}

// The words of `line`, kept whole on one line each when they are wider than
// the room: each paragraph of the title is wrapped on its own.
QStringList wrapped(const TextPicture& picture, const QString& line, double width) {
  const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return {QString()};
  QStringList lines{words.first()};
  for (qsizetype i = 1; i < words.size(); ++i) {
    const QString longer = lines.last() + u' ' + words[i];
    if (widthOf(picture, longer) <= width)
      lines.last() = longer;
    else
      lines << words[i];
  }
  return lines;
}

QStringList wrappedTitle(const TextPicture& picture, const QString& text, double width) {
  QStringList lines;
  for (const QString& paragraph : titleLines(text)) lines << wrapped(picture, paragraph, width);
  return lines;
}

bool fits(const TextPicture& picture, const QStringList& lines, QSizeF room, int largest) {
  if (largest > 0 && lines.size() > largest) return false;
  const QSizeF size = picture.textSize(lines.join(u'\n'));
  return size.width() <= room.width() && size.height() <= room.height();
}

// `line` shortened by whole characters until it fits `width` with the
// ellipsis after it.
QString elided(const TextPicture& picture, QString line, double width) {
  while (!line.isEmpty() && widthOf(picture, line + ellipsis) > width) {
    line.chop(line.size() > 1 && line.back().isLowSurrogate() ? 2 : 1);
    while (line.endsWith(u' ')) line.chop(1);
  }
  return line + ellipsis;
}

// At the smallest size: the lines that fit are kept, the last kept one
// ends in an ellipsis, and every line too wide is cut with one.
TitleFit cutToFit(const TextPicture& picture, QStringList lines, QSizeF room, int largest) {
  TitleFit fit{{}, picture.font.pointSizeF(), false};
  while (lines.size() > 1 && !fits(picture, lines, {1e9, room.height()}, largest)) {
    lines.removeLast();
    fit.cut = true;
  }
  if (fit.cut) lines.last() = elided(picture, lines.last(), room.width());
  for (QString& line : lines)
    if (widthOf(picture, line) > room.width()) {
      line = elided(picture, line, room.width());
      fit.cut = true;
    }
  fit.text = lines.join(u'\n');
  return fit;
}

}  // namespace

TitleFit fitTitle(const TextPicture& picture, const QString& text, QSizeF room,
                  int largestLineCount) {
  TextPicture trial = picture;
  double size = picture.font.pointSizeF();
  for (;;) {
    trial.font.setPointSizeF(size);
    const QStringList lines = wrappedTitle(trial, text, room.width());
    if (fits(trial, lines, room, largestLineCount)) return {lines.join(u'\n'), size, false};
    if (size <= smallestFittedSize) return cutToFit(trial, lines, room, largestLineCount);
    size = std::max(smallestFittedSize, std::ceil(size - sizeStep));
  }
}
