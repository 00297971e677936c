// Builds a render of a test mask up to a chosen geometry step.
#pragma once

#include "geometry.h"
#include "layer_render.h"
#include "render.h"

namespace velloro::test {

struct RenderOptions {
  int32_t layerSlot = 1;
  EffectType effectType = EffectType::NoContour;
  int32_t smoothingSize = 75;
  int32_t effectAmount = 100;
  int32_t material = 0;
};

inline Render allocatedRender(Picture& mask, RenderOptions options = {}) {
  Render render;
  render.args.mask = mask.data();
  render.args.maskStride = mask.stride;
  render.args.maskRows = mask.rows;
  render.args.layerSlot = options.layerSlot;
  render.args.effectType = options.effectType;
  render.args.smoothingSize = options.smoothingSize;
  render.args.effectAmount = options.effectAmount;
  render.args.material = static_cast<Material>(options.material);
  allocateWorkingArrays(render);
  return render;
}

inline Render scannedRender(Picture& mask, RenderOptions options = {}) {
  Render render = allocatedRender(mask, options);
  scanRows(render);
  scanColumns(render);
  return render;
}

// Geometry up to the nearest-point search: the state the search starts from.
inline Render renderBeforeDistances(Picture& mask, RenderOptions options = {}) {
  Render render = scannedRender(mask, options);
  smoothBoundary(render.geometry);
  buildPointGrid(render.geometry);
  setProcessedRegion(render.geometry, options.layerSlot);
  return render;
}

inline Render geometryRender(Picture& mask, RenderOptions options = {}) {
  Render render = allocatedRender(mask, options);
  buildGeometry(render);
  return render;
}

// Boundary points 1..n as (row, column) pairs.
inline std::vector<std::pair<int32_t, int32_t>> boundaryPoints(const Geometry& g) {
  std::vector<std::pair<int32_t, int32_t>> points;
  for (int32_t i = 1; i <= g.pointCount; ++i)
    points.emplace_back(g.boundaryRows[i], g.boundaryColumns[i]);
  return points;
}

}  // namespace velloro::test
