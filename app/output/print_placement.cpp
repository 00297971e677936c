#include "output/print_placement.h"

#include <algorithm>
#include <cmath>

#include "design/picture_fit.h"
#include "design/rounding.h"

namespace {

constexpr int previewBox = 259;
constexpr double step = 1.05;

// The box's right and bottom edges for a width and height scaled from its
// top-left corner.
QRect scaledBox(const QRect& box, double width, double height) {
  const int right = roundHalfEven(box.left() + width);
  const int bottom = roundHalfEven(box.top() + height);
  return QRect(QPoint(box.left(), box.top()), QPoint(right - 1, bottom - 1));
}

// Where a box edge may go: between the low limit and the high one less the
// box's length.
int within(double start, int length, double low, double high) {
  const int lowest = int(std::ceil(low));
  const int highest = int(std::floor(high)) - length;
  return std::max(lowest, std::min(int(start), highest));
}

}  // namespace

PagePreview previewOf(const PrinterPage& printer, int unitX, int unitY) {
  PagePreview preview;
  preview.unitX = unitX;
  preview.unitY = unitY;
  const int w = printer.page.width();
  const int h = printer.page.height();
  preview.twips = {fitWidth(previewBox * unitX, previewBox * unitY, w, h),
                   fitHeight(previewBox * unitX, previewBox * unitY, w, h)};
  preview.pixels = {roundHalfEven(double(preview.twips.width()) / unitX),
                    roundHalfEven(double(preview.twips.height()) / unitY)};
  preview.scale = double(w) / preview.twips.width();
  const double unprintableTwipsX =
      double(w - printer.printable.width()) * preview.twips.width() / w;
  const double unprintableTwipsY =
      double(h - printer.printable.height()) * preview.twips.height() / h;
  preview.unprintableX = unprintableTwipsX / unitX;
  preview.unprintableY = unprintableTwipsY / unitY;
  return preview;
}

QRect centredPicture(const PagePreview& preview, QSize picture) {
  const int boxWidth = roundHalfEven(preview.twips.width() - preview.unprintableX * preview.unitX);
  const int boxHeight =
      roundHalfEven(preview.twips.height() - preview.unprintableY * preview.unitY);
  const int pictureWidth = picture.width() * preview.unitX;
  const int pictureHeight = picture.height() * preview.unitY;
  const int fittedWidth = fitWidth(boxWidth, boxHeight, pictureWidth, pictureHeight);
  const int fittedHeight = fitHeight(boxWidth, boxHeight, pictureWidth, pictureHeight);
  const double top = (preview.twips.height() - fittedHeight) / 2.0;
  const double left = (preview.twips.width() - fittedWidth) / 2.0;
  const QPoint topLeft(roundHalfEven(left / preview.unitX), roundHalfEven(top / preview.unitY));
  const QPoint bottomRight(roundHalfEven((left + fittedWidth) / preview.unitX),
                           roundHalfEven((top + fittedHeight) / preview.unitY));
  // QRect's right and bottom are the last pixels inside; x2 and y2 are past them.
  return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QRect shrunk(const QRect& box, const PagePreview& preview) {
  const double width = box.width() / step;
  const double height = box.height() / step;
  if (width < preview.unitX || height < preview.unitY) return box;
  return scaledBox(box, width, height);
}

QRect grown(const QRect& box, const PagePreview& preview) {
  const double room = std::min((preview.rightLimit() - box.left()) / box.width(),
                               (preview.bottomLimit() - box.top()) / box.height());
  const double factor = std::max(1.0, std::min(step, room));
  const QRect scaled = scaledBox(box, box.width() * factor, box.height() * factor);
  // Rounding must not carry an edge past its limit.
  const int right = std::min(scaled.left() + scaled.width(), int(std::floor(preview.rightLimit())));
  const int bottom =
      std::min(scaled.top() + scaled.height(), int(std::floor(preview.bottomLimit())));
  return QRect(scaled.topLeft(), QPoint(std::max(right, box.left() + box.width()) - 1,
                                        std::max(bottom, box.top() + box.height()) - 1));
}

QRect dragged(const QRect& box, QPoint movement, const PagePreview& preview) {
  const int left =
      within(box.left() + movement.x(), box.width(), preview.leftLimit(), preview.rightLimit());
  const int top =
      within(box.top() + movement.y(), box.height(), preview.topLimit(), preview.bottomLimit());
  return QRect(QPoint(left, top), box.size());
}

QRect onPrinter(const QRect& box, const PagePreview& preview) {
  const auto x = [&](int pixels) { return roundHalfEven(pixels * preview.unitX * preview.scale); };
  const auto y = [&](int pixels) { return roundHalfEven(pixels * preview.unitY * preview.scale); };
  return QRect(x(box.left()), y(box.top()), x(box.width()), y(box.height()));
}
