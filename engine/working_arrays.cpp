// Allocation and initial fills of a render's working arrays.
#include <algorithm>

#include "render.h"

namespace velloro {
namespace {

constexpr int32_t kUnsetPoint = 666;
constexpr double kUnsetDirection = 666.0;

// The fills cover the cells r * W + c for r = 0..H and c = 0..W; those rows
// overlap by one cell, so the covered span is (H + 1) * W + 1 cells. The map
// keeps the memory it already has, so a reused render pages in nothing new.
template <typename T>
void fillCells(std::vector<T>& map, size_t cells, size_t filled, T value) {
  map.assign(std::min(cells, filled), value);
  map.resize(cells, T{});
}

int32_t smoothingStepsFor(int32_t smoothingSize) {
  if (smoothingSize < 100) return 2;
  if (smoothingSize < 200) return 3;
  return 4;
}

}  // namespace

void allocateWorkingArrays(Render& render) {
  Geometry& g = render.geometry;
  const ActionArguments& a = render.args;
  g.stride = a.maskStride;
  g.width = a.maskStride / 3;
  g.height = a.maskRows;
  g.smoothingSteps = smoothingStepsFor(a.smoothingSize);
  g.scale = 10 * (2 * g.smoothingSteps + 1);

  const size_t cells = static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.width + 1);
  const size_t filled = static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.width) + 1;
  g.edgeMark.assign(cells, 0);
  fillCells<uint32_t>(g.distance, cells, filled, kUnsetDistance);
  fillCells<int32_t>(g.nearest, cells, filled, kUnsetPoint);
  fillCells<int32_t>(g.boundaryRows, cells + 1, filled, kUnsetPoint);
  fillCells<int32_t>(g.boundaryColumns, cells + 1, filled, kUnsetPoint);
  g.pointCount = 0;
  fillCells<double>(g.angle, cells, filled, kUnsetDirection);
  fillCells<double>(g.diagonalA, cells, filled, kUnsetDirection);
  fillCells<double>(g.diagonalB, cells, filled, kUnsetDirection);
  fillCells<double>(g.lightA, cells, filled, kUnsetDirection);
  fillCells<double>(g.lightB, cells, filled, kUnsetDirection);
  g.grid.allocate(g.width, g.height);
  g.box = BoundingBox{};
  g.region = Region{};
  g.maxSquaredDistance = 0;

  LayerMaps& layer = render.layer;
  fillCells<uint8_t>(layer.transparency, cells, filled, kUnsetTransparency);
  fillCells<uint8_t>(layer.engraving, cells, filled, kNeutralEngraving);
  layer.depth.assign(cells, 0);
  const size_t rowEntries = static_cast<size_t>(g.stride) + 1;
  const size_t colourFilled = static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.stride) + 1;
  fillCells<int16_t>(layer.colour, static_cast<size_t>(g.height + 1) * rowEntries, colourFilled,
                     kEmptyColour);
}

}  // namespace velloro
