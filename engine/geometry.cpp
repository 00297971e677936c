#include "geometry.h"

namespace velloro {

namespace {

void buildDirectionFields(Render& render) {
  if (!render.geometry.hasDirectionFields()) return;
  computeDirectionFields(render);
  averageDirectionFields(render);
}

}  // namespace

void buildGeometry(Render& render) {
  buildOutline(render);
  searchBackground(render);
  alignBackgroundDistances(render);
  buildDirectionFields(render);
}

void buildOutline(Render& render) {
  Geometry& g = render.geometry;
  scanRows(render);
  scanColumns(render);
  smoothBoundary(g);
  buildPointGrid(g);
  setProcessedRegion(g, render.args.layerSlot);
  placeDesignOutline(render);
  searchElement(render);
  alignElementDistances(render);
}

// A first render searches the background only as far as its reach; once
// the reach changes, the background is searched without limit and every
// later reach is read from that search.
void buildSurroundings(Render& render, bool directionsKept) {
  if (isOuterEffect(render.args.effectType)) {
    if (!render.geometry.background.kept) searchBackgroundEverywhere(render);
    readBackgroundAtReach(render);
    alignBackgroundDistances(render);
  }
  if (!directionsKept) buildDirectionFields(render);
}

}  // namespace velloro
