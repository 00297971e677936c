#include "rendering/canvas_refresh.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>
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

// Canvas rows first..last that changed; none when last < first.
struct ChangedRows {
  int first = 0;
  int last = -1;
};

// The canvas's pixels, taken once: QImage::bits() may copy a shared picture
// and so must not be called by two threads at once.
struct CanvasPixels {
  uchar* pixels;
  qsizetype lineBytes;
  int width;
  int rows;
};

// Rows `from` to `to` - 1 of the canvas, brought up to the buffer. The
// buffer holds the layer space bottom row first; the canvas starts at the
// layer origin.
ChangedRows refreshRows(const DesignState& state, const CanvasPixels& canvas, int from, int to) {
  const int width = canvas.width;
  const QPoint origin = state.layerOrigin;
  const qsizetype stride = strideOf(origin.x() + width);
  const int spaceRows = origin.y() + canvas.rows;
  const uchar* buffer = reinterpret_cast<const uchar*>(state.buffers.output.constData());
  std::vector<uchar> row(size_t(3) * size_t(width));
  ChangedRows changed{to, -1};
  for (int y = from; y < to; ++y) {
    swapRedAndBlue(buffer + stride * (spaceRows - 1 - origin.y() - y) + 3 * origin.x(), row.data(),
                   width);
    uchar* line = canvas.pixels + canvas.lineBytes * y;
    if (std::memcmp(line, row.data(), row.size()) == 0) continue;
    std::memcpy(line, row.data(), row.size());
    changed.first = std::min(changed.first, y);
    changed.last = y;
  }
  return changed;
}

// Canvases from this many pixels on are refreshed by two threads, each
// taking half the rows: a drag's frame on a large canvas waits for it.
constexpr qsizetype sharedFrom = 1 << 20;

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

QRect refreshCanvas(const DesignState& state, QImage& canvas) {
  if (!refreshableCanvas(state, canvas)) return {};
  const int rows = canvas.height();
  const CanvasPixels pixels{canvas.bits(), canvas.bytesPerLine(), canvas.width(), rows};
  ChangedRows upper;
  ChangedRows lower;
  if (qsizetype(rows) * canvas.width() < sharedFrom) {
    upper = refreshRows(state, pixels, 0, rows);
  } else {
    const int middle = rows / 2;
    std::optional<std::thread> helper;
    try {
      helper.emplace([&] { lower = refreshRows(state, pixels, middle, rows); });
    } catch (const std::system_error&) {
      // Without a second thread this one takes the lower half as well.
    }
    upper = refreshRows(state, pixels, 0, middle);
    if (helper) {
      helper->join();
    } else {
      lower = refreshRows(state, pixels, middle, rows);
    }
  }
  const int first = upper.last >= 0 ? upper.first : lower.first;
  const int last = lower.last >= 0 ? lower.last : upper.last;
  if (last < 0) return {};
  return QRect(0, first, canvas.width(), last - first + 1);
}
