// The drawn design seen whole, also where it runs past the canvas: the
// stored layers are laid over a picture that reaches from the corner of
// their layer space to well past the canvas's far corner.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class EngineEntryPoints;

struct WholeDesign {
  // The design alone on a transparent picture holding the canvas and every
  // visible pixel of the design.
  QImage design;
  // The canvas's top-left corner in `design`.
  QPoint canvasAt;
  // What can be seen of the design, in canvas pixels; it may reach past the
  // canvas. Empty when nothing can be seen.
  QRect extent;
};

// Looks `room` pixels past the canvas's right and bottom edges and, to the
// left and above, as far as the layer space reaches: the layers keep the
// places of the canvas they were drawn on, and nothing lies before its corner.
WholeDesign wholeDesign(QSize canvas, const EngineEntryPoints& engine, QPoint layerOrigin,
                        int room);

// Only `extent` of wholeDesign(canvas, engine, layerOrigin, room), found
// without solving the design's colours.
QRect wholeDesignExtent(QSize canvas, const EngineEntryPoints& engine, QPoint layerOrigin,
                        int room);
