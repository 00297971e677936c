// Allocation and initial fills of a render's working arrays.
#include <algorithm>

#include "render.h"

namespace velloro {
namespace {

constexpr int32_t kUnsetPoint = 666;
constexpr double kUnsetDirection = 666.0;

// The fills cover the cells r * W + c for r = 0..H and c = 0..W; those rows
// overlap by one cell, so the covered span is (H + 1) * W + 1 cells.
template <typename T>
std::vector<T> filledCells(size_t cells, size_t filled, T value) {
    std::vector<T> map;
    map.reserve(cells);
    map.assign(std::min(cells, filled), value);
    map.resize(cells, T{});
    return map;
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
    g.distance = filledCells<uint32_t>(cells, filled, kUnsetDistance);
    g.nearest = filledCells<int32_t>(cells, filled, kUnsetPoint);
    g.boundaryRows = filledCells<int32_t>(cells + 1, filled, kUnsetPoint);
    g.boundaryColumns = filledCells<int32_t>(cells + 1, filled, kUnsetPoint);
    g.pointCount = 0;
    g.angle = filledCells<double>(cells, filled, kUnsetDirection);
    g.diagonalA = filledCells<double>(cells, filled, kUnsetDirection);
    g.diagonalB = filledCells<double>(cells, filled, kUnsetDirection);
    g.lightA = filledCells<double>(cells, filled, kUnsetDirection);
    g.lightB = filledCells<double>(cells, filled, kUnsetDirection);
    g.grid.allocate(g.width, g.height);
    g.box = BoundingBox{};
    g.region = Region{};
    g.maxSquaredDistance = 0;

    LayerMaps& layer = render.layer;
    layer.transparency = filledCells<uint8_t>(cells, filled, kUnsetTransparency);
    layer.engraving = filledCells<uint8_t>(cells, filled, kNeutralEngraving);
    layer.depth.assign(cells, 0);
    const size_t rowEntries = static_cast<size_t>(g.stride) + 1;
    const size_t colourFilled = static_cast<size_t>(g.height + 1) * static_cast<size_t>(g.stride) + 1;
    layer.colour = filledCells<int16_t>(static_cast<size_t>(g.height + 1) * rowEntries, colourFilled, kEmptyColour);
}

}  // namespace velloro
