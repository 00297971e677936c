// A layer's colours made ready for the frames of a drag: each cell holds
// its colour already weighted by how much of the layer covers there, and
// how much of the background shows through, so that laying a bilinear
// sample over a pixel takes a few integer multiplies instead of a blend of
// four colour entries and transparencies in floating point. An engraving
// layer keeps each cell's shading beside it, which darkens or lightens the
// background before the colours are laid over it. A frame so laid differs
// from the exact one by about a level of 255 where the layer is partly
// transparent or shades, and its weights are rounded to 1/128 of a pixel.
//
// Which blocks of cells change no pixel (empty colour, and neutral shading
// where the layer engraves) is kept too, so that a stretch of a row whose
// samples all fall in such blocks is passed over whole.
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
  // entries `stride` a row and stride / 3 transparency and engraving cells
  // a row; reads beyond them are clamped, as the exact blend clamps them.
  // `engraves`: the layer shades the background by its engraving map. The
  // rows are shared out as `workers` allows.
  DraftTexels(const LayerMaps& maps, int64_t stride, const Region& sampled, bool engraves = false,
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

  // Whether a sample on `line`, or within a cell of it, may change a
  // pixel; any may on a line with a point that is not a number.
  bool mayChangeAlong(const LayerLine& line) const;

 private:
  static constexpr int kBlockShift = 2;  // blocks of 4 x 4 sample starts

  void makeRow(const LayerMaps& maps, int64_t stride, int64_t i);
  void markBlockRow(int64_t blockRow, std::vector<uint8_t>& changing) const;
  void countChangingBlocks(const std::vector<uint8_t>& changing);
  bool cellChanges(int64_t texel) const;
  void layPixel(uint8_t* pixel, int64_t row, int64_t column) const;
  void shade(uint8_t* pixel, const uint8_t* engraving, uint64_t right, uint64_t down) const;

  int64_t firstRow_ = 0;
  int64_t firstColumn_ = 0;
  int64_t rows_ = 0;     // of sample starts
  int64_t columns_ = 0;  // of sample starts
  int64_t across_ = 0;   // texels a row: one more than columns_
  std::vector<uint64_t> texels_;
  // Engraving percent per texel, laid out as texels_; empty when the
  // layer does not engrave.
  std::vector<uint8_t> engraving_;
  // Blocks whose samples may change a pixel counted above and left of each
  // block corner, blockColumns_ + 1 corners a row: any box of blocks is
  // read in four looks.
  int64_t blockColumns_ = 0;
  std::vector<int32_t> changingBefore_;
};

}  // namespace velloro
