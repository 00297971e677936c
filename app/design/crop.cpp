#include "design/crop.h"

#include <algorithm>
#include <cstdlib>

std::optional<QRect> cropRectangle(QSize canvas, int x1, int y1, int x2, int y2) {
  x1 = std::clamp(x1, 0, canvas.width());
  x2 = std::clamp(x2, 0, canvas.width());
  y1 = std::clamp(y1, 0, canvas.height());
  y2 = std::clamp(y2, 0, canvas.height());
  const int width = std::abs(x2 - x1);
  const int height = std::abs(y2 - y1);
  if (width == 0 || height == 0) return std::nullopt;
  return QRect(std::min(x1, x2), std::min(y1, y2), width, height);
}
