#include "main_window/canvas_zoom.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array zoomSteps{25, 33, 50, 67, actualSize, 200, 300, 400, 600, 800};

}  // namespace

int zoomedIn(int percent) {
  const auto* next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
  return next == zoomSteps.end() ? zoomSteps.back() : *next;
}

int zoomedOut(int percent) {
  const auto* next = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), percent);
  return next == zoomSteps.begin() ? zoomSteps.front() : *(next - 1);
}

int fittingZoom(QSize canvas, QSize room) {
  for (auto step = zoomSteps.rbegin(); step != zoomSteps.rend(); ++step) {
    if (canvas.width() * *step <= room.width() * 100 &&
        canvas.height() * *step <= room.height() * 100)
      return *step;
  }
  return zoomSteps.front();
}
