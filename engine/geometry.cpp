#include "geometry.h"

namespace velloro {

void buildGeometry(Render& render) {
  buildOutline(render);
  buildSurroundings(render);
}

void buildOutline(Render& render) {
  Geometry& g = render.geometry;
  scanRows(render);
  scanColumns(render);
  smoothBoundary(g);
  buildPointGrid(g);
  setProcessedRegion(g, render.args.layerSlot);
  searchElement(render);
}

void buildSurroundings(Render& render) {
  searchBackground(render);
  if (!render.geometry.hasDirectionFields()) return;
  computeDirectionFields(render);
  averageDirectionFields(render);
}

}  // namespace velloro
