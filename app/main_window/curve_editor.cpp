#include "main_window/curve_editor.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int hitAcross = 6;
constexpr int hitUpDown = 15;

}  // namespace

QPoint curveCoordinates(QPoint at) { return {(at.x() - 6) * 2, 255 - (at.y() - 7) * 5}; }

std::optional<int> hitCurvePoint(const CurvePoints& points, QPoint at) {
  const QPoint pointer = curveCoordinates(at);
  for (int i = 0; i < curvePointCount; ++i)
    if (std::abs(points.x[i] - pointer.x()) <= hitAcross &&
        std::abs(points.y[i] - pointer.y()) <= hitUpDown)
      return i;
  return std::nullopt;
}

QString curveReadout(QPoint at) {
  const QPoint pointer = curveCoordinates(at);
  return QStringLiteral("  %1  ,  %2").arg(pointer.x()).arg(pointer.y());
}

void releaseCurvePoint(CurvePoints& points, int i, QPoint at) {
  const QPoint target = curveCoordinates(at);
  int position = target.x();
  const int last = curvePointCount - 1;
  if (i > 0) position = std::max(position, points.x[i - 1] + 1);
  if (i < last) position = std::min(position, points.x[i + 1] - 1);
  if (i == 0) position = 0;
  if (i == last) position = 255;
  points.x[i] = position;
  points.y[i] = std::clamp(target.y(), 0, 255);
}
