// The figures of the drawing tools: what a press-drag-release of each tool
// draws between its start and end point, and the ellipse of a given ratio.
#pragma once

#include <QColor>
#include <QPoint>

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
