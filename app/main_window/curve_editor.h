// The profile curve editor's geometry: how a pixel of the curve box
// `PicBezier` maps to curve coordinates, which point a pointer hits, and
// where a released point lands. The drawing area starts 6 pixels from the
// left and 7 from the top; one pixel is 2 curve units across and 5 up.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "design/curve_points.h"

// Curve coordinates of box pixel `at`: ((X - 6) * 2, 255 - (Y - 7) * 5).
QPoint curveCoordinates(QPoint at);

// The first of points 0..5 within 6 units across and 15 up or down of the
// pointer, if any.
std::optional<int> hitCurvePoint(const CurvePoints& points, QPoint at);

// The status bar readout of the pointer: "  " + x + "  ,  " + y.
QString curveReadout(QPoint at);

// Moves point i (0..5) to the release position `at`: the ends stay at 0 and
// 255, the others stay strictly between their neighbours. The value is kept
// within 0..255, the range the engine reads.
void releaseCurvePoint(CurvePoints& points, int i, QPoint at);
