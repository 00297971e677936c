// The bound on every picture a render makes: the canvas, a scaled texture,
// a transparent picture of the design. A picture past it is refused by its
// size, before any of its pixels are allocated.
#pragma once

#include <QSize>
#include <QString>

// Whether a picture of `size` is at most largestCanvasSide a side.
bool withinCanvasLimit(QSize size);

// The refusal of a picture of `size`, as "the `what` would be WxH pixels,
// more than <largestCanvasSide> a side".
QString pastCanvasLimit(const QString& what, QSize size);
