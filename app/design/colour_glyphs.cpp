#include "design/colour_glyphs.h"

#include <algorithm>

namespace {

bool grey(const uchar* pixel) { return pixel[0] == pixel[1] && pixel[1] == pixel[2]; }

// The grey a black pen left at a pixel a colour glyph may cover: the
// pixel's own grey; white under the glyph's colours; black where a letter
// mixed its black into them.
int penGrey(const uchar* printed, int glyphAlpha) {
  if (grey(printed)) return printed[0];
  return glyphAlpha > 0 ? 255 : 0;
}

}  // namespace

// Every title's print passes here, so the row's end is worked out once per
// row rather than asked of the picture at each pixel.
bool holdsColouredPixels(const QImage& printed) {
  const qsizetype rowBytes = 3 * qsizetype(printed.width());
  for (int y = 0; y < printed.height(); ++y) {
    const uchar* row = printed.constScanLine(y);
    for (const uchar* pixel = row; pixel < row + rowBytes; pixel += 3)
      if (!grey(pixel)) return true;
  }
  return false;
}

QImage colourGlyphsOf(const QImage& inBlack, const QImage& inWhite) {
  QImage glyphs = inBlack.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage other = inWhite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // What lies beyond the other print is no agreement.
  const int columns = std::min(glyphs.width(), other.width());
  bool anyKept = false;
  for (int y = 0; y < glyphs.height(); ++y) {
    auto* pixel = reinterpret_cast<QRgb*>(glyphs.scanLine(y));
    const auto* against =
        y < other.height() ? reinterpret_cast<const QRgb*>(other.constScanLine(y)) : nullptr;
    for (int x = 0; x < glyphs.width(); ++x) {
      if (against == nullptr || x >= columns || pixel[x] != against[x]) pixel[x] = 0;
      anyKept = anyKept || qAlpha(pixel[x]) > 0;
    }
  }
  return anyKept ? glyphs : QImage();
}

void inkColourGlyphs(QImage& printed, const QImage& colourGlyphs) {
  const QImage glyphs = colourGlyphs.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int rows = std::min(printed.height(), glyphs.height());
  const int columns = std::min(printed.width(), glyphs.width());
  for (int y = 0; y < rows; ++y) {
    uchar* pixel = printed.scanLine(y);
    const auto* glyph = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
    for (int x = 0; x < columns; ++x, pixel += 3) {
      const int alpha = qAlpha(glyph[x]);
      const int shade = std::min(penGrey(pixel, alpha), 255 - alpha);
      pixel[0] = pixel[1] = pixel[2] = uchar(shade);
    }
  }
}
