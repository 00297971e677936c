// The engine keeps every drawn layer at its place on the canvas it was drawn
// on. A crop shows only a part of that canvas, starting at the layer origin;
// the engine still composites in the whole space, so the cut canvas is laid
// into a picture that reaches from the space's corner to the canvas's far
// corner, and the result is cut out again.
#pragma once

#include <QImage>
#include <QPoint>

struct DesignState;

// `canvas` placed at `origin` in a picture of its own size plus the origin.
QImage embedInLayerSpace(const QImage& canvas, QPoint origin);

// The part of a picture of the layer space that the canvas at `origin` shows.
QImage cutFromLayerSpace(const QImage& space, QPoint origin, QSize canvas);

// Moves the canvas to `origin` among the layers. The design frames, which are
// canvas positions, move the other way so the design stays where it was.
void moveLayerOrigin(DesignState& state, QPoint origin);
