// A title fitted to a box of a fixed size (a banner's slot): its lines
// wrapped at word boundaries to the box's width and, when they still do not
// fit, the font made smaller step by step down to the smallest fitted size;
// past that, what does not fit is cut and an ellipsis marks the cut.
#pragma once

#include <QSizeF>
#include <QString>

class TextPicture;

// The smallest size in points a title is made to fit a box: smaller type
// is no longer read as a title.
inline constexpr double smallestFittedSize = 8;

struct TitleFit {
  QString text;          // the title's lines as they fit, with their breaks
  double pointSize = 0;  // the font size they fit at
  bool cut = false;      // lines or letters were left out and an ellipsis put in
};

// Fits `text` as `picture` prints it into `room`, the size in pixels the
// block of lines may take; with `largestLineCount` above 0, into at most
// that many lines. The picture's font size is where the search starts.
TitleFit fitTitle(const TextPicture& picture, const QString& text, QSizeF room,
                  int largestLineCount);
