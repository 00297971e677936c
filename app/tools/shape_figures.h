// The figures of the drawing tools: what a press-drag-release of each tool
// draws between its start and end point, and the ellipse of a given ratio.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>

class QImage;
class QPainter;

// The tools of the shape drawing tool, in the order of its buttons.
namespace drawTool {
inline constexpr int Freehand = 0;
inline constexpr int Line = 1;
inline constexpr int Rectangle = 2;
inline constexpr int Ellipse = 3;
inline constexpr int Eraser = 4;
inline constexpr int FilledRectangle = 5;
inline constexpr int FilledEllipse = 6;
}  // namespace drawTool

// Strokes follow the pointer; the other tools draw a figure between the
// press point and the current point.
bool drawsFigure(int tool);

// Distance between two points; the radius of the tools' ellipses.
float Radius(float x1, float y1, float x2, float y2);

// Half-axes of the ellipse of radius `radius` and height over width
// `ratio`: the radius is the horizontal half-axis up to a ratio of 1, the
// vertical one above.
QPointF ellipseHalfAxes(double radius, double ratio);

struct Figure {
  int tool = drawTool::Line;
  QPoint start;
  QPoint end;
  int penWidth = 15;
  QColor pen = Qt::black;
  double ellipseRatio = 1.0;
};

// Draws the figure with the painter's composition mode: copy mode for the
// final figure, an inverting mode for the rubber band.
void drawFigure(QPainter& painter, const Figure& figure);

// A stroke segment of the freehand and eraser tools, with round ends so that
// a stroke of many short segments has no gaps.
void drawStroke(QImage& image, QPoint from, QPoint to, int penWidth, const QColor& colour);
