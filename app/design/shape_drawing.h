// The shape tool's drawing kept as what the user drew: its figures in the
// drawing's own pixels, beside the pixels the tool shows. The shape file is
// those pixels inside a white margin; the figures draw the same picture
// again at any density, so the shape can be drawn anew for screens of high
// density.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>

#include "design/sketch_figures.h"

// The white margin around the drawing in the shape file: the render takes
// the mask's frame off the design's position.
inline constexpr int shapeMargin = 32;

struct ShapeDrawing {
  QSize sheet;                  // the drawing area, white before the first figure
  QList<SketchFigure> figures;  // in the order drawn, each over the ones before
  bool operator==(const ShapeDrawing&) const = default;
};

// The sheet with the figures drawn on it, `density` times as large each way.
QImage drawnSheet(const ShapeDrawing& drawing, int density);

// The shape file's picture: `sheet`, a drawing of the sheet's size, inside
// the white margin, `density` times as large each way.
QImage framedShape(const QImage& sheet, int density);
