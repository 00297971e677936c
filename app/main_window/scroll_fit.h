// Which scroll bars a canvas needs in the viewport, their lengths and
// ranges, and where the canvas stands: centred when it fits, scrolled
// otherwise. All sizes in pixels.
#pragma once

#include <QPoint>
#include <QSize>

inline constexpr int scrollBarThickness = 15;

struct ScrollFit {
  bool horizontalShown = true;
  bool verticalShown = true;
  int horizontalLength = 0;
  int verticalLength = 0;
  int horizontalMax = 0;
  int verticalMax = 0;
  int horizontalLargeChange = 0;
  int verticalLargeChange = 0;
};

ScrollFit fitScrollBars(QSize canvas, QSize viewport);

// The canvas's top-left corner in the viewport for the bars' values.
QPoint canvasPosition(QSize canvas, QSize viewport, const ScrollFit& fit, int horizontalValue,
                      int verticalValue);
