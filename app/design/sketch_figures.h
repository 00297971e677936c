// The figures of the sketching tools (the shape tool and the picture tool's
// mask): what a press-drag-release of each tool draws between its start and
// end point, and the ellipse of a given ratio.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSizeF>

class QPainter;

// The sketching tools, in the order of the shape tool's buttons; the mask
// has the first four.
namespace sketchTool {
inline constexpr int Freehand = 0;
inline constexpr int Line = 1;
inline constexpr int Rectangle = 2;
inline constexpr int Ellipse = 3;
inline constexpr int Eraser = 4;
inline constexpr int FilledRectangle = 5;
inline constexpr int FilledEllipse = 6;
}  // namespace sketchTool

// What the tool's button is called.
QString sketchToolName(int tool);

// Strokes follow the pointer; the other tools draw a figure between the
// press point and the current point.
bool drawsFigure(int tool);

// What one press-drag-release drew, in the drawing's own pixels; a stroke
// is kept as its segments, each a figure from one pointer place to the next.
struct SketchFigure {
  int tool = sketchTool::Line;
  QPoint start;
  QPoint end;
  int penWidth = 15;
  QColor pen = Qt::black;
  double ellipseRatio = 1.0;  // height over width
  bool operator==(const SketchFigure&) const = default;
};

// Distance between two points; 0 when it cannot be computed.
float Radius(float x1, float y1, float x2, float y2);

// Horizontal and vertical half-axes of an ellipse of this radius: the radius
// is the longer one. A ratio not yet set (0 or less) draws a circle.
QSizeF ellipseHalfAxes(double radius, double ratio);

// Draws the figure with the painter's composition mode: copy mode for the
// final figure, an inverting mode for the rubber band. A stroke segment of
// the freehand and eraser tools is a line with round ends, so that a stroke
// of many short segments has no gaps.
void drawFigure(QPainter& painter, const SketchFigure& figure);
