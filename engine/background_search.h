// The background's search without a reach limit, kept in the order of its
// walk, so that a later render of the same outline with another reach of
// the outer effect reads its results instead of searching again.
//
// A search to a limit finds, for each pixel, the point the search without
// limit finds, when that point's single-precision distance lies below the
// limit's, and nothing otherwise; whole blocks whose nearest window cell
// lies beyond the limit find nothing either. Pixels that find nothing take
// the identifier found last in the walk, so reading the kept search walks
// its pixels in the same order.
#pragma once

#include <cstdint>
#include <vector>

namespace velloro {

// One block of the walk: where it lies and how near its window's nearest
// cell can come to any of its pixels.
struct SearchedBlock {
  int32_t row = 0;  // its first row and column in the mask
  int32_t column = 0;
  bool emptyWindow = false;  // no cell of its window holds a point
  double nearestReach = 0;   // squared, fixed point; -1 when a pixel may lie among the points
  uint32_t pixelCount = 0;   // of the background, the next ones of the part's pixels
};

struct SearchedPixel {
  uint32_t distance = 0;   // squared, fixed point; kNoPointDistance when none found
  int32_t identifier = 0;  // of the point found
  uint8_t row = 0;         // within the block
  uint8_t column = 0;
};

// The walk over some consecutive rows of blocks.
struct SearchedPart {
  std::vector<SearchedBlock> blocks;
  std::vector<SearchedPixel> pixels;
};

struct BackgroundSearch {
  std::vector<SearchedPart> parts;  // in the order of the walk
  bool kept = false;                // the parts are those of the geometry's outline
};

}  // namespace velloro
