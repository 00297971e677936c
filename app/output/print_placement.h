// Where the relief picture goes on the printed page. The page is shown as a
// miniature that fits a 259 x 259 pixel box; the picture is a rectangle on
// it, in preview pixels, that the user moves and resizes within the part of
// the page the printer can print on. Measures in twips use the layout units
// (twips per screen pixel).
#pragma once

#include <QRect>
#include <QSize>

struct PrinterPage {
  QSize page;       // the whole sheet, in printer units
  QSize printable;  // the part the printer prints on
};

struct PagePreview {
  QSize twips;              // the miniature page, in twips
  QSize pixels;             // the same in screen pixels
  double scale = 1.0;       // printer units per twip of the miniature
  double unprintableX = 0;  // page less printable width, in preview pixels
  double unprintableY = 0;
  int unitX = 15;
  int unitY = 15;

  // Half the unprintable width and height from each page edge.
  double leftLimit() const { return unprintableX / 2; }
  double topLimit() const { return unprintableY / 2; }
  double rightLimit() const { return pixels.width() - unprintableX / 2; }
  double bottomLimit() const { return pixels.height() - unprintableY / 2; }
};

PagePreview previewOf(const PrinterPage& printer, int unitX, int unitY);

// The picture fitted into the printable part of the miniature and centred.
QRect centredPicture(const PagePreview& preview, QSize picture);

// 1.05 times smaller, the top-left corner staying; unchanged when it would
// get narrower than unit X pixels or lower than unit Y.
QRect shrunk(const QRect& box, const PagePreview& preview);

// 1.05 times larger, the top-left corner staying, but no further than the
// printable part allows; the proportions stay.
QRect grown(const QRect& box, const PagePreview& preview);

// Moved by `movement`, stopping at the edges of the printable part.
QRect dragged(const QRect& box, QPoint movement, const PagePreview& preview);

// The box in printer units, from the sheet's top-left corner.
QRect onPrinter(const QRect& box, const PagePreview& preview);
