#include "rendering/design_overrun.h"

#include <QImage>
#include <QStringList>
#include <algorithm>

#include "design/design_state.h"

EdgeOverrun overrunOf(QRect picture, QRect design) {
  if (design.isEmpty()) return {};
  return {std::max(0, picture.left() - design.left()), std::max(0, picture.top() - design.top()),
          std::max(0, design.right() - picture.right()),
          std::max(0, design.bottom() - picture.bottom())};
}

QString overrunText(const EdgeOverrun& overrun) {
  QStringList edges;
  const auto add = [&edges](const char* edge, int pixels) {
    if (pixels > 0) edges << QStringLiteral("%1 by %2 px").arg(QLatin1String(edge)).arg(pixels);
  };
  add("left", overrun.left);
  add("top", overrun.top);
  add("right", overrun.right);
  add("bottom", overrun.bottom);
  return edges.join(QStringLiteral(", "));
}

// The background is read straight from its buffer (rows bottom-up, blue
// green red): a few pixels of a large canvas.
bool showsOnCanvasBorder(const QImage& shown, const DesignState& state) {
  const PictureGeometry& geometry = state.geometry;
  const QByteArray& background = state.buffers.background;
  if (shown.size() != QSize(geometry.canvasWidth, geometry.canvasRows) ||
      background.size() < qsizetype(geometry.canvasStride) * geometry.canvasRows)
    return true;
  const auto differs = [&](int x, int y) {
    const auto* pixel = reinterpret_cast<const uchar*>(background.constData()) +
                        qsizetype(geometry.canvasRows - 1 - y) * geometry.canvasStride + 3 * x;
    return shown.pixel(x, y) != qRgb(pixel[2], pixel[1], pixel[0]);
  };
  const int right = shown.width() - 1;
  const int bottom = shown.height() - 1;
  for (int x = 0; x <= right; ++x)
    if (differs(x, 0) || differs(x, bottom)) return true;
  for (int y = 0; y <= bottom; ++y)
    if (differs(0, y) || differs(right, y)) return true;
  return false;
}
