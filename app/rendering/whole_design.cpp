#include "rendering/whole_design.h"

#include "rendering/stored_layers.h"
#include "rendering/visible_extent.h"

namespace {

// From the corner of the layer space to `room` past the canvas's far corner.
QSize lookedAt(QSize canvas, QPoint layerOrigin, int room) {
  return {layerOrigin.x() + canvas.width() + room, layerOrigin.y() + canvas.height() + room};
}

}  // namespace

WholeDesign wholeDesign(QSize canvas, const EngineEntryPoints& engine, QPoint layerOrigin,
                        int room) {
  const QImage alone = designAlone(lookedAt(canvas, layerOrigin, room), engine);
  const QRect seen = visibleExtent(alone);
  const QRect area = QRect(layerOrigin, canvas) | seen;
  WholeDesign whole;
  whole.design = alone.copy(area);
  whole.canvasAt = layerOrigin - area.topLeft();
  if (!seen.isNull()) whole.extent = seen.translated(-layerOrigin);
  return whole;
}

QRect wholeDesignExtent(QSize canvas, const EngineEntryPoints& engine, QPoint layerOrigin,
                        int room) {
  const QRect seen = storedLayersExtent(lookedAt(canvas, layerOrigin, room), engine);
  return seen.isNull() ? QRect() : seen.translated(-layerOrigin);
}
