// Drawing the profile curve box: labels, axes and the six points, then the
// spline in red. A curve point (x, y) sits at (x / 2 + 6, (255 - y) / 5 + 7).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

#include "design/curve_points.h"

QPointF curveBoxPosition(double x, double y);

// The labels' font: the chart's own, bold, at its size on the screen, or
// smaller where "Brighter" or "Darker" would run past the box's right edge.
QFont curveLabelFont(QFont chartFont, int boxWidth);

// Clears the box to `background` and draws labels, axes and points. The
// labels are a watermark a shade lighter than the box, in the chart's font.
void drawCurveFrame(QImage& box, const CurvePoints& points, const QColor& background,
                    const QFont& chartFont);

// Plots the spline through the points, one red pixel per position.
void plotCurve(QImage& box, const CurvePoints& points);
