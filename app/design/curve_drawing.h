// Drawing the profile curve box: labels, axes and the six points, then the
// spline in red. A curve point (x, y) sits at (x / 2 + 6, (255 - y) / 5 + 7).
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include "design/curve_points.h"

QPointF curveBoxPosition(double x, double y);

// Clears the box to `background` and draws labels, axes and points. The
// labels are a watermark a shade lighter than the box, as large as the
// box's width lets them be.
void drawCurveFrame(QImage& box, const CurvePoints& points, const QColor& background);

// Plots the spline through the points, one red pixel per position.
void plotCurve(QImage& box, const CurvePoints& points);
