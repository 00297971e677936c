// The zoom of the canvas view, in percent: steps of View > Zoom in and
// Zoom out, and the zoom at which the whole canvas shows. Above 100 % the
// steps are whole multiples, so every canvas pixel is a square of equal
// screen pixels.
#pragma once

#include <QSize>

inline constexpr int actualSize = 100;

// The next step up or down, held at the smallest and the largest.
int zoomedIn(int percent);
int zoomedOut(int percent);

// The largest step at which `canvas` fits in `room`; the smallest step when
// none fits.
int fittingZoom(QSize canvas, QSize room);
