#include "rendering/transparent_design.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "files/bmp_file.h"

namespace {

// A pixel where white shows through black by 764 or more of the three
// channels' 765 rounds to alpha 0: the design leaves it alone.
constexpr int wholeThroughSum = 764;

// Alpha of a pixel from how far white showed through more than black, taken
// over the three channels since the engine's factor is shared by them.
int alphaOf(QRgb black, QRgb white) {
  const int throughSum =
      qRed(white) - qRed(black) + qGreen(white) - qGreen(black) + qBlue(white) - qBlue(black);
  if (throughSum >= wholeThroughSum) return 0;
  return std::clamp(255 - int(std::lround(throughSum / 3.0)), 0, 255);
}

// Whether the design shows at pixel `x` of two rows of three bytes a pixel;
// the sum of the channels does not depend on their order.
bool seenAt(const uchar* black, const uchar* white, int x) {
  const uchar* b = black + 3 * x;
  const uchar* w = white + 3 * x;
  return w[0] - b[0] + w[1] - b[1] + w[2] - b[2] < wholeThroughSum;
}

// The colour that, laid over black with `alpha`, gives `overBlack`.
int unpremultiplied(int overBlack, int alpha) {
  return std::clamp(int(std::lround(overBlack * 255.0 / alpha)), 0, 255);
}

QRgb cutOut(QRgb black, QRgb white) {
  const int alpha = alphaOf(black, white);
  if (alpha == 0) return qRgba(0, 0, 0, 0);
  if (alpha == 255) return qRgba(qRed(black), qGreen(black), qBlue(black), 255);
  return qRgba(unpremultiplied(qRed(black), alpha), unpremultiplied(qGreen(black), alpha),
               unpremultiplied(qBlue(black), alpha), alpha);
}

// A row of the painting over black and the same row of the painting over white.
struct RowPair {
  const uchar* black;
  const uchar* white;
};

// The box of the pixels seen among `height` rows of `width` pixels, three
// bytes a pixel, whose pair of rows `rowsAt(y)` gives from the top down.
template <typename RowsAt>
QRect seenBox(int width, int height, RowsAt rowsAt) {
  const size_t rowBytes = size_t(3) * width;
  // A row the design leaves alone is plain black over black and plain white
  // over white, which is checked at the speed of memory.
  const std::vector<uchar> plainBlack(rowBytes, 0);
  const std::vector<uchar> plainWhite(rowBytes, 255);
  QRect extent;
  for (int y = 0; y < height; ++y) {
    const RowPair rows = rowsAt(y);
    if (std::memcmp(rows.black, plainBlack.data(), rowBytes) == 0 &&
        std::memcmp(rows.white, plainWhite.data(), rowBytes) == 0)
      continue;
    int first = 0;
    while (first < width && !seenAt(rows.black, rows.white, first)) ++first;
    if (first == width) continue;
    int last = width - 1;
    while (!seenAt(rows.black, rows.white, last)) --last;
    extent |= QRect(first, y, last - first + 1, 1);
  }
  return extent;
}

}  // namespace

QImage transparentDesign(const QImage& overBlack, const QImage& overWhite) {
  const QImage black = overBlack.convertToFormat(QImage::Format_RGB32);
  const QImage white = overWhite.convertToFormat(QImage::Format_RGB32);
  QImage design(black.size(), QImage::Format_ARGB32);
  if (white.size() != black.size()) {
    design.fill(Qt::transparent);
    return design;
  }
  for (int y = 0; y < black.height(); ++y) {
    const auto* blackRow = reinterpret_cast<const QRgb*>(black.constScanLine(y));
    const auto* whiteRow = reinterpret_cast<const QRgb*>(white.constScanLine(y));
    auto* row = reinterpret_cast<QRgb*>(design.scanLine(y));
    for (int x = 0; x < black.width(); ++x) row[x] = cutOut(blackRow[x], whiteRow[x]);
  }
  return design;
}

QRect designExtent(const QImage& overBlack, const QImage& overWhite) {
  if (overBlack.size() != overWhite.size()) return {};
  const QImage black = overBlack.convertToFormat(QImage::Format_RGB888);
  const QImage white = overWhite.convertToFormat(QImage::Format_RGB888);
  return seenBox(black.width(), black.height(), [&](int y) {
    return RowPair{black.constScanLine(y), white.constScanLine(y)};
  });
}

QRect designExtentOfBuffers(const QByteArray& overBlack, const QByteArray& overWhite, QSize size,
                            QRect area) {
  const qsizetype stride = strideOf(size.width());
  const qsizetype needed = stride * size.height();
  area &= QRect(QPoint(), size);
  if (area.isEmpty() || overBlack.size() < needed || overWhite.size() < needed) return {};
  // Rows lie bottom-up; the area's first row is the buffer's row counted from the end.
  const auto rowAt = [&](const QByteArray& buffer, int y) {
    return reinterpret_cast<const uchar*>(buffer.constData()) +
           stride * (size.height() - 1 - area.top() - y) + 3 * qsizetype(area.left());
  };
  return seenBox(area.width(), area.height(), [&](int y) {
    return RowPair{rowAt(overBlack, y), rowAt(overWhite, y)};
  });
}

bool anythingVisible(const QImage& design) {
  const QImage argb = design.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (std::any_of(row, row + argb.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; }))
      return true;
  }
  return false;
}
