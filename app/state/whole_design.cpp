#include "state/whole_design.h"

#include "state/stored_layers.h"
#include "state/visible_extent.h"

WholeDesign wholeDesign(QSize canvas, const EngineEntryPoints& engine, QPoint layerOrigin,
                        int room) {
  const QSize space(layerOrigin.x() + canvas.width() + room,
                    layerOrigin.y() + canvas.height() + room);
  const QImage alone = designAlone(space, engine);
  const QRect seen = visibleExtent(alone);
  const QRect area = QRect(layerOrigin, canvas) | seen;
  WholeDesign whole;
  whole.design = alone.copy(area);
  whole.canvasAt = layerOrigin - area.topLeft();
  if (!seen.isNull()) whole.extent = seen.translated(-layerOrigin);
  return whole;
}
