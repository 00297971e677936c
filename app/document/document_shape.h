// The shape's figures in a document: the key "shapeFigures" of the design
// object, so a shape opened later is drawn anew at any density. A document
// without the key, or with figures that do not draw the shape kept beside
// them, keeps the shape as its pixels only.
#pragma once

#include <QImage>
#include <QJsonObject>
#include <optional>

#include "design/shape_drawing.h"

// Figures taking more than this much of the design object are not kept:
// the design object must stay within the limit of its part.
inline constexpr qsizetype largestShapeFigures = qsizetype(512) << 10;

// The figures as the document keeps them; none when they would be larger
// than largestShapeFigures.
std::optional<QJsonObject> shapeFiguresObject(const ShapeDrawing& drawing);

// The figures under "shapeFigures" of `design`, when they draw `shape` (the
// framed shape picture) pixel for pixel; none when the key is missing or
// they draw another shape. Throws a DocumentRefusal naming the key of a
// value of the wrong form or out of range.
std::optional<ShapeDrawing> shapeDrawingOf(const QJsonObject& design, const QImage& shape);
