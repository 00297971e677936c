#include "geometry.h"

namespace velloro {

void buildGeometry(Render& render) {
  Geometry& g = render.geometry;
  scanRows(render);
  scanColumns(render);
  smoothBoundary(g);
  buildPointGrid(g);
  setProcessedRegion(g, render.args.layerSlot);
  computeDistances(render);
  if (!g.hasDirectionFields()) return;
  computeDirectionFields(render);
  averageDirectionFields(render);
}

}  // namespace velloro
