#include "rendering/canvas_refresh.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "design/design_state.h"
#include "files/bmp_file.h"

namespace {

// One row of the buffer's blue-green-red pixels as red-green-blue.
void swapRedAndBlue(const uchar* __restrict from, uchar* __restrict to, int pixels) {
  for (int i = 0; i < pixels; ++i) {
    to[3 * i] = from[3 * i + 2];
    to[3 * i + 1] = from[3 * i + 1];
    to[3 * i + 2] = from[3 * i];
  }
}

}  // namespace

bool refreshableCanvas(const DesignState& state, const QImage& canvas) {
  const PictureGeometry& geometry = state.geometry;
  const QPoint origin = state.layerOrigin;
  const qsizetype needed =
      qsizetype(strideOf(origin.x() + geometry.canvasWidth)) * (origin.y() + geometry.canvasRows);
  return canvas.format() == QImage::Format_RGB888 && canvas.devicePixelRatio() == 1 &&
         canvas.size() == QSize(geometry.canvasWidth, geometry.canvasRows) && origin.x() >= 0 &&
         origin.y() >= 0 && state.buffers.output.size() >= needed;
}

// The buffer holds the layer space bottom row first; the canvas starts at
// the layer origin.
QRect refreshCanvas(const DesignState& state, QImage& canvas) {
  if (!refreshableCanvas(state, canvas)) return {};
  const int width = canvas.width();
  const int rows = canvas.height();
  const QPoint origin = state.layerOrigin;
  const qsizetype stride = strideOf(origin.x() + width);
  const int spaceRows = origin.y() + rows;
  const uchar* buffer = reinterpret_cast<const uchar*>(state.buffers.output.constData());
  std::vector<uchar> row(size_t(3) * size_t(width));
  uchar* pixels = canvas.bits();
  const qsizetype lineBytes = canvas.bytesPerLine();
  int first = rows;
  int last = -1;
  for (int y = 0; y < rows; ++y) {
    swapRedAndBlue(buffer + stride * (spaceRows - 1 - origin.y() - y) + 3 * origin.x(), row.data(),
                   width);
    uchar* line = pixels + lineBytes * y;
    if (std::memcmp(line, row.data(), row.size()) == 0) continue;
    std::memcpy(line, row.data(), row.size());
    first = std::min(first, y);
    last = y;
  }
  if (last < 0) return {};
  return QRect(0, first, width, last - first + 1);
}
