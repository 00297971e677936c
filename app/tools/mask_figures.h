// The figures drawn on the picture tool's mask: freehand strokes, straight
// lines, rectangles and ellipses, all as outlines in the pen's width.
#pragma once

#include <QPoint>
#include <QSizeF>

class QPainter;

namespace maskTool {
inline constexpr int Freehand = 0;
inline constexpr int Line = 1;
inline constexpr int Rectangle = 2;
inline constexpr int Ellipse = 3;
}  // namespace maskTool

struct MaskFigure {
  int tool = maskTool::Line;
  QPoint start;
  QPoint end;
  double ellipseRatio = 1.0;  // height over width
};

// Distance between two points; 0 when it cannot be computed.
float Radius(float x1, float y1, float x2, float y2);

// Horizontal and vertical half-axes of an ellipse of this radius: the radius
// is the longer one. A ratio not yet set (0 or less) draws a circle.
QSizeF ellipseHalfAxes(double radius, double ratio);

// Draws the outline of a line, rectangle or ellipse with the painter's pen.
void drawFigure(QPainter& painter, const MaskFigure& figure);
