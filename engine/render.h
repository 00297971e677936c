// The working state of one render: the geometry of the element (read by the
// shading, the outer effects and the edge smoothing) and the layer maps that
// end up in a layer slot.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "action_arguments.h"
#include "background_search.h"
#include "pixel_maps.h"
#include "point_grid.h"
#include "render_record.h"
#include "window_inputs.h"
#include "workers.h"

namespace velloro {

inline constexpr uint32_t kNoPointDistance = 2140000000u;
inline constexpr int16_t kEmptyColour = 666;
inline constexpr uint8_t kUnsetTransparency = 222;
inline constexpr uint8_t kNeutralEngraving = 50;
// Working memory of renders up to this many mask cells is kept for the next
// render, so later renders page in nothing new; larger ones give theirs back.
inline constexpr size_t kKeptCells = size_t{1} << 23;

struct BoundingBox {
  int32_t minRow = 999999;
  int32_t maxRow = 0;
  int32_t minColumn = 999999;
  int32_t maxColumn = 0;
};

// Rows startRow..endRow-1 and columns startColumn..endColumn-1 of the mask.
struct Region {
  int32_t startRow = 0;
  int32_t endRow = 0;
  int32_t startColumn = 0;
  int32_t endColumn = 0;
};

// Maps a render hands over to its layer slot.
struct LayerMaps {
  PixelMap<uint8_t> transparency;  // percent of background showing; 222 = not set
  PixelMap<uint8_t> engraving;     // background shading in percent; 50 = neutral
  PixelMap<uint8_t> depth;         // 0 at the outline .. 255 at the deepest point
  PixelMap<int16_t> colour;        // blue, green, red at row * stride + 3 * column; 666 = empty
};

// At a density above 1, the outline of the design pixels, which the
// element is measured from (design_outline.cpp).
struct DesignOutline {
  PointGrid grid;  // its points, which the element's search finds
  int32_t density = 1;
  int32_t width = 0;            // design pixels across
  std::vector<uint8_t> inside;  // 1 for each design pixel inside, row by row

  // Whether mask pixel (row, column) lies in a design pixel inside.
  bool holds(int32_t row, int32_t column) const {
    const int64_t at = int64_t{row / density} * width + column / density;
    return at >= 0 && at < static_cast<int64_t>(inside.size()) && inside[static_cast<size_t>(at)];
  }
};

struct Geometry {
  int32_t width = 0;   // W = mask stride / 3
  int32_t height = 0;  // H = mask rows
  int32_t stride = 0;  // mask stride in bytes
  int32_t smoothingSteps = 2;
  int32_t scale = 50;  // fixed-point scale S of boundary coordinates
  // Pixels per design pixel: every length the engine fixes in pixels is
  // this many times as long.
  int32_t density = 1;

  PixelMap<uint8_t> edgeMark;  // 1 boundary pixel, 2 its inside neighbour
  // Written for the pixels the search visits: the element's, and the
  // background's of the region when an outer effect is painted.
  PixelMap<uint32_t> distance;  // squared distance in S^2 units per square pixel
  PixelMap<int32_t> nearest;    // nearest point identifier, with the direction fields
  // Entries 1..pointCount: 1-based, fixed point after smoothing.
  std::vector<int32_t> boundaryRows;
  std::vector<int32_t> boundaryColumns;
  int32_t pointCount = 0;
  PointGrid grid;
  // The element's search finds its points, the background's the grid's.
  std::optional<DesignOutline> designOutline;
  // Direction fields, worked out only when a later step reads them (see
  // needsDirectionFields): for the element's pixels, and for the
  // background's too when the effect is Raised.
  PixelMap<double> angle;      // direction from the nearest point, 0..1, averaged
  PixelMap<double> diagonalA;  // radians
  PixelMap<double> diagonalB;
  PixelMap<double> lightA;  // averaged sines of the diagonal angles, -1..1
  PixelMap<double> lightB;

  // The background searched without limit, once a render of this outline
  // with another reach of the outer effect asked for it.
  BackgroundSearch background;

  // Mask bytes the row scan set to 0 to fill one-pixel gaps.
  std::vector<size_t> filledGaps;

  // Dark pixels of each mask row found by the row scan: how the work of
  // the steps that visit the element's pixels spreads over the rows.
  std::vector<int64_t> darkInRow;

  BoundingBox box;
  Region region;
  double maxSquaredDistance = 0;      // D, capped at 1000 * S^2
  int32_t elementLastIdentifier = 0;  // the nearest point the element's search found last

  size_t cellCount() const { return edgeMark.size(); }
  bool hasDirectionFields() const { return !lightB.empty(); }
  // The points the search of the element (dark) or of the background finds.
  const PointGrid& gridOf(bool dark) const {
    return dark && designOutline ? designOutline->grid : grid;
  }
  // Whether the element's pixel (row, column) may be its deepest: not one
  // outside the design pixels its outline is measured from.
  bool mayBeDeepest(int32_t row, int32_t column) const {
    return !designOutline || designOutline->holds(row, column);
  }
  // Cell r * W + c of a per-pixel map, clamped into the map.
  size_t cell(int64_t row, int64_t column) const { return clampCell(row * width + column); }
  size_t clampCell(int64_t cell) const {
    return static_cast<size_t>(std::clamp<int64_t>(cell, 0, static_cast<int64_t>(cellCount()) - 1));
  }
};

struct Render {
  ActionArguments args;
  WorkerPolicy workers;
  Geometry geometry;
  LayerMaps layer;
  WindowInputs windowInputs;
  RenderRecord record;  // what the geometry and the stored layer were made from

  // Whether mask pixel (row, column) lies inside the element; the caller
  // keeps row and column inside the mask.
  bool isDark(int32_t row, int32_t column) const { return maskByte(row, column) < 128; }
  uint8_t maskByte(int32_t row, int32_t column) const {
    return args.mask[static_cast<size_t>(row) * geometry.stride + 3 * static_cast<size_t>(column)];
  }
};

// Allocates and fills the working arrays of a render for its arguments:
// the geometry's, then the layer maps.
void allocateWorkingArrays(Render& render);
void allocateGeometry(Render& render);
void allocateLayerMaps(Render& render);

// How many steps smooth the outline for a smoothing size (the font size).
int32_t smoothingStepsFor(int32_t smoothingSize);

// Whether any step reads the direction fields: every material but the
// plain one shades by the light maps, and the raised border lights the
// background by light B.
bool needsDirectionFields(const ActionArguments& args);

}  // namespace velloro
