#include "rendering/layer_space.h"

#include <QPainter>

#include "design/design_state.h"

QImage embedInLayerSpace(const QImage& canvas, QPoint origin) {
  if (origin.isNull()) return canvas;
  QImage space(canvas.size() + QSize(origin.x(), origin.y()), QImage::Format_RGB888);
  // Only the layers' own pixels and their effects outside the canvas land on
  // this filling, and the cut drops them.
  space.fill(Qt::white);
  QPainter painter(&space);
  painter.drawImage(origin, canvas);
  return space;
}

QImage cutFromLayerSpace(const QImage& space, QPoint origin, QSize canvas) {
  if (origin.isNull() && space.size() == canvas) return space;
  return space.copy(QRect(origin, canvas));
}

void moveLayerOrigin(DesignState& state, QPoint origin) {
  const QPoint shift = origin - state.layerOrigin;
  state.layerOrigin = origin;
  state.designFrame.left -= shift.x();
  state.designFrame.top -= shift.y();
  for (SourceKind kind : sourceKinds) {
    KindRow& row = state.kindSettings[kind];
    row.frameLeft -= shift.x();
    row.frameTop -= shift.y();
  }
}
