// A shape as the shape tool leaves it: every kind of figure it draws, a
// stroke of two steps and an eraser stroke through the filled rectangle.
#pragma once

#include "design/shape_drawing.h"

inline ShapeDrawing drawnShape() {
  using namespace sketchTool;
  const QColor ink = Qt::black;
  return {{300, 160},
          {{FilledRectangle, {20, 20}, {120, 90}, 15, ink, 0},
           {FilledEllipse, {200, 70}, {260, 70}, 9, ink, 0.5},
           {Freehand, {30, 130}, {60, 110}, 12, ink, 0},
           {Freehand, {60, 110}, {90, 140}, 12, ink, 0},
           {Eraser, {40, 55}, {110, 55}, 9, Qt::white, 0},
           {Line, {160, 130}, {280, 140}, 6, ink, 0},
           {Rectangle, {150, 10}, {190, 40}, 3, ink, 0}}};
}
