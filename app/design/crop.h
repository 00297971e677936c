// The canvas rectangle that a crop drag from (x1, y1) to (x2, y2) selects:
// corners in any order, both points held inside the canvas.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>

// Empty when the rectangle has no width or no height: such a crop would
// leave no canvas, so the caller keeps the canvas as it is.
std::optional<QRect> cropRectangle(QSize canvas, int x1, int y1, int x2, int y2);
