// Allocation and initial fills of a render's working arrays.
#include <algorithm>

#include "render.h"

namespace velloro {
namespace {

constexpr int32_t kPlainMaterial = 0;

// The fills cover the cells r * W + c for r = 0..H and c = 0..W; those rows
// overlap by one cell, so the covered span is (H + 1) * W + 1 cells. The map
// keeps the memory it already has, so a reused render pages in nothing new.
template <typename T>
void fillCells(PixelMap<T>& map, size_t cells, size_t filled, T value) {
  map.assign(std::min(cells, filled), value);
  map.resize(cells, T{});
}

// Maps only read where written need no fill; when unused they are emptied
// but keep their memory for a later render.
template <typename T>
void sizeMap(PixelMap<T>& map, size_t cells, bool used) {
  if (used) {
    map.resize(cells);
  } else {
    map.clear();
  }
}

size_t cellsOf(const Geometry& g) {
  return static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.width + 1);
}

}  // namespace

int32_t smoothingStepsFor(int32_t smoothingSize) {
  if (smoothingSize < 100) return 2;
  if (smoothingSize < 200) return 3;
  return 4;
}

bool needsDirectionFields(const ActionArguments& args) {
  const int32_t material = toInt(args.material);
  const bool shadedByLight = material > kPlainMaterial && material < materialCount;
  return shadedByLight || (args.effectType == EffectType::Raised && args.effectAmount != 0);
}

void allocateWorkingArrays(Render& render) {
  allocateGeometry(render);
  allocateLayerMaps(render);
}

void allocateGeometry(Render& render) {
  Geometry& g = render.geometry;
  const ActionArguments& a = render.args;
  g.stride = a.maskStride;
  g.width = a.maskStride / 3;
  g.height = a.maskRows;
  g.smoothingSteps = smoothingStepsFor(a.smoothingSize);
  g.scale = 10 * (2 * g.smoothingSteps + 1);
  g.density = std::clamp(a.density, 1, kLargestDensity);

  const size_t cells = cellsOf(g);
  g.edgeMark.assign(cells, 0);
  const bool directions = needsDirectionFields(a);
  sizeMap(g.distance, cells, true);
  sizeMap(g.nearest, cells, directions);  // only the direction fields read it
  // Entry 0 is not a point; the scans append from entry 1 on.
  g.boundaryRows.resize(1);
  g.boundaryColumns.resize(1);
  g.pointCount = 0;
  g.filledGaps.clear();
  g.background.kept = false;
  sizeMap(g.angle, cells, directions);
  sizeMap(g.diagonalA, cells, directions);
  sizeMap(g.diagonalB, cells, directions);
  sizeMap(g.lightA, cells, directions);
  sizeMap(g.lightB, cells, directions);
  g.grid.allocate(g.width, g.height, 10 * g.density);
  g.designOutline.reset();
  g.darkInRow.assign(static_cast<size_t>(g.height), 0);
  g.box = BoundingBox{};
  g.region = Region{};
  g.maxSquaredDistance = 0;
}

void allocateLayerMaps(Render& render) {
  const Geometry& g = render.geometry;
  const size_t cells = cellsOf(g);
  const size_t filled = static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.width) + 1;
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
