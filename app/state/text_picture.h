// The text picture, never shown: where the typed text is printed, dark on
// bright, to form the mask of a text design, and where the text is measured
// in the design's font.
#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "state/rounding.h"

// The size of the printed text picture for a text of the given measured size.
struct TextLayout {
  double margin = 0;  // font size / 4, left of the text and part of the width
  int32_t width = 0;
  int32_t height = 0;
};

TextLayout textLayout(QSizeF textSize, double fontPointSize);

class TextPicture {
 public:
  TextPicture();

  QFont font;      // the design's font; Tahoma, bold, 75 points at start
  QImage picture;  // the printed text, white where there is no text

  // Points become pixels at this many dots per inch (the screen's).
  void setDotsPerInch(double dotsPerInch);

  // Width and height of `text` in the font, in pixels.
  QSizeF textSize(const QString& text) const;

  // The font size rounded to an integer: the engine's smoothing size.
  int32_t roundedFontSize() const;

  // Sizes the picture for `text` with its margins and prints the text in
  // black at (margin, height / 15). Throws a Failure when the picture would
  // be too large to render.
  void print(const QString& text);

 private:
  QImage blankPicture(QSize size) const;
  double dotsPerInch_ = 96;
};
