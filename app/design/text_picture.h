// The text picture, never shown: where the typed text is printed, dark on
// bright, to form the mask of a text design, and where the text is measured
// in the design's font. A title of several lines is printed as one block,
// so the engine treats it as one design.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "design/rounding.h"

// Start and End follow each line's reading direction: a right-to-left
// line starts at the right.
enum class LineAlignment { Left, Centre, Right, Start, End };

inline constexpr int largestLineCount = 20;
inline constexpr double smallestLineSpacing = 0.5;
inline constexpr double largestLineSpacing = 3;
inline constexpr int32_t largestLetterSpacing = 200;

// How the lines and letters of a title are set.
struct TextArrangement {
  LineAlignment alignment = LineAlignment::Left;
  double lineSpacing = 1;     // times the font's line step
  int32_t letterSpacing = 0;  // pixels added between letters; negative closes them up
  bool operator==(const TextArrangement&) const = default;
};

// The lines of a title: its text split at each line break (LF, CR LF or CR).
QStringList titleLines(const QString& text);

// Why `text` cannot be a title for its lines (too many), or empty.
QString titleLinesProblem(const QString& text);

// Whether a font draws ink for `character`: not a space, a control, a
// joiner, a variation selector or another character every font leaves blank.
bool inkedCharacter(char32_t character);

// Why `text` cannot be a title given without a window, on the command line
// or in a batch list: nothing to draw (spaces, controls and characters
// whose glyphs are blank alone), too many lines; or empty.
QString titleProblem(const QString& text);

// The size of the printed text picture for a text block of the given
// measured size whose first line is `lineHeight` high: the first line gets
// the room above and below it, each further line adds its own step.
struct TextLayout {
  double margin = 0;  // font size / 4, left of the text and part of the width
  int32_t width = 0;
  int32_t height = 0;
  double top = 0;  // where the first line's top stands
};

TextLayout textLayout(QSizeF textSize, double fontPointSize, double lineHeight);

class TextPicture {
 public:
  TextPicture();

  QFont font;      // the design's font; Tahoma, bold, 75 points at start
  QImage picture;  // the printed text, white where there is no text
  // The colour glyphs (emoji, colour fonts) of the printed text in their
  // own colours over transparency, of the picture's size; null when the
  // text holds none. Their shapes are printed into the picture as black.
  QImage colourGlyphs;
  TextArrangement arrangement;

  // Points become pixels at this many dots per inch (the screen's).
  void setDotsPerInch(double dotsPerInch);

  // Width of the widest line and height of the block of `text`'s lines in
  // the font, in pixels.
  QSizeF textSize(const QString& text) const;

  // The font size rounded to an integer: the engine's smoothing size.
  int32_t roundedFontSize() const;

  // Sizes the picture for `text` with its margins and prints its lines in
  // black (colour glyphs too, and into the colour glyphs), the first at (margin, first line's
  // height / 15), each aligned within the widest. Throws a Failure when the picture would be too
  // large to render. Printing what the picture already shows leaves it as it is: a live preview
  // prints the title for every frame of a drag.
  void print(const QString& text);

 private:
  void printAnew(const QString& text);
  QImage blankPicture(QSize size) const;
  QFont printedFont() const;
  double lineStep(const QFontMetricsF& metrics) const;
  double lineWidth(const QFontMetricsF& metrics, const QString& line) const;
  QList<double> lineWidths(const QFontMetricsF& metrics, const QStringList& lines) const;
  QSizeF blockSize(const QFontMetricsF& metrics, const QList<double>& widths) const;

  // The lines of a print, measured and placed.
  struct SetLines {
    QStringList lines;
    QList<double> widths;
    double blockWidth = 0;
    TextLayout layout;
    double ascent = 0;  // the first baseline's distance below the layout's top
    double step = 0;    // from one baseline to the next
  };
  void printLines(QImage& target, const QColor& pen, const SetLines& set) const;
  QImage printedColourGlyphs(const SetLines& set) const;
  double dotsPerInch_ = 96;

  // What the picture was printed from; its key changes with any change of
  // the picture, a new dots-per-inch among them.
  struct Printing {
    QString text;
    QFont font;
    TextArrangement arrangement;
    qint64 pictureKey = 0;
    bool operator==(const Printing&) const = default;
  };
  Printing printed_;
};
