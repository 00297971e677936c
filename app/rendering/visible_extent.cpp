#include "rendering/visible_extent.h"

#include <algorithm>

namespace {

bool rowVisible(const QRgb* row, int width) {
  return std::any_of(row, row + width, [](QRgb pixel) { return qAlpha(pixel) != 0; });
}

}  // namespace

QRect visibleExtent(const QImage& design) {
  const QImage argb = design.convertToFormat(QImage::Format_ARGB32);
  int top = -1;
  int bottom = -1;
  int left = argb.width();
  int right = -1;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (!rowVisible(row, argb.width())) continue;
    if (top < 0) top = y;
    bottom = y;
    int first = 0;
    while (qAlpha(row[first]) == 0) ++first;
    int last = argb.width() - 1;
    while (qAlpha(row[last]) == 0) --last;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage trimmedToVisible(const QImage& design, int margin) {
  const QRect extent = visibleExtent(design);
  if (extent.isNull()) return {};
  const int grow = std::max(margin, 0);
  // QImage::copy fills the part outside the picture with zeros: transparent.
  return design.convertToFormat(QImage::Format_ARGB32)
      .copy(extent.adjusted(-grow, -grow, grow, grow));
}
