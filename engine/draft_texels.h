// A layer's colours made ready for the frames of a drag: each cell holds
// its colour already weighted by how much of the layer covers there, and
// how much of the background shows through, so that laying a bilinear
// sample over a pixel takes a few integer multiplies instead of a blend of
// four colour entries and transparencies in floating point. A frame so
// laid differs from the exact one by about a level of 255 where the layer
// is partly transparent and its weights are rounded to 1/128 of a pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "layer_mapping.h"
#include "render.h"
#include "workers.h"

namespace velloro {

class DraftTexels {
 public:
  // The cells whose samples can change a pixel: rows
  // sampled.startRow..endRow - 1, columns sampled.startColumn..endColumn
  // (a sample also reads the next row and column). `maps` holds the colour
  // entries `stride` a row and stride / 3 transparency cells a row; reads
  // beyond them are clamped, as the exact blend clamps them. The rows are
  // shared out as `workers` allows.
  DraftTexels(const LayerMaps& maps, int64_t stride, const Region& sampled,
              const WorkerPolicy& workers = {1});

  // Lays the layer's samples over `count` pixels from `pixels` on, at
  // points evenly spaced along `line` from its first point to its last.
  // Pixels whose point falls outside the cells are left as they are.
  // False, touching nothing, when the line lies too far away to be walked
  // in whole pixels' fixed point.
  bool layAlong(uint8_t* pixels, int32_t count, const LayerLine& line) const;

  // Whether both ends of `line`, and so all of it, lie beyond one edge of
  // the cells: no sample on it reads a cell.
  bool passesBy(const LayerLine& line) const;

 private:
  void makeRow(const LayerMaps& maps, int64_t stride, int64_t i);
  void layPixel(uint8_t* pixel, int64_t row, int64_t column) const;

  int64_t firstRow_ = 0;
  int64_t firstColumn_ = 0;
  int64_t rows_ = 0;     // of sample starts
  int64_t columns_ = 0;  // of sample starts
  int64_t across_ = 0;   // texels a row: one more than columns_
  std::vector<uint64_t> texels_;
};

}  // namespace velloro
