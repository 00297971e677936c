// The background's distances to the current reach, read from its search
// without limit (see background_search.h): a pixel keeps the point found
// when the block lies within the limit and the point's single-precision
// distance below it, exactly what a search to the limit finds.
#include <algorithm>
#include <vector>

#include "geometry.h"
#include "workers.h"

namespace velloro {
namespace {

// What reading one part gave: as a part of the search does, pixels that
// find nothing before the part's first find are listed, to take the
// identifier the parts before found last.
struct PartReading {
  bool foundAny = false;
  int32_t lastIdentifier = 0;
  std::vector<size_t> leadingMisses;
};

// Region cells lie inside the maps, so a pixel's cell needs no clamping.
PartReading readPart(Geometry& g, const SearchedPart& part, double limit) {
  const float below = static_cast<float>(std::min(limit, static_cast<double>(kNoPointDistance)));
  uint32_t* distances = g.distance.data();
  int32_t* nearest = g.nearest.empty() ? nullptr : g.nearest.data();
  const int64_t width = g.width;
  PartReading reading;
  const SearchedPixel* pixel = part.pixels.data();
  for (const SearchedBlock& block : part.blocks) {
    const bool beyondLimit = limit < 0 || block.emptyWindow || block.nearestReach > limit;
    const int64_t origin = int64_t{block.row} * width + block.column;
    for (const SearchedPixel* end = pixel + block.pixelCount; pixel != end; ++pixel) {
      const bool found = !beyondLimit && static_cast<float>(pixel->distance) < below;
      const auto cell = static_cast<size_t>(origin + pixel->row * width + pixel->column);
      distances[cell] = found ? pixel->distance : kNoPointDistance;
      if (nearest == nullptr) continue;
      if (found) {
        reading.lastIdentifier = pixel->identifier;
        reading.foundAny = true;
      }
      if (reading.foundAny) {
        nearest[cell] = reading.lastIdentifier;
      } else {
        reading.leadingMisses.push_back(cell);
      }
    }
  }
  return reading;
}

}  // namespace

void readBackgroundAtReach(Render& render) {
  Geometry& g = render.geometry;
  const std::vector<SearchedPart>& parts = g.background.parts;
  const double limit = backgroundLimit(render);
  std::vector<PartReading> readings(parts.size());
  size_t pixels = 0;
  for (const SearchedPart& part : parts) pixels += part.pixels.size();
  runPieces(
      static_cast<int32_t>(parts.size()), partsFor(render.workers, pixels), [&](int32_t part) {
        readings[static_cast<size_t>(part)] = readPart(g, parts[static_cast<size_t>(part)], limit);
      });
  int32_t lastIdentifier = g.elementLastIdentifier;
  for (const PartReading& reading : readings) {
    for (size_t cell : reading.leadingMisses) g.nearest[cell] = lastIdentifier;
    if (reading.foundAny) lastIdentifier = reading.lastIdentifier;
  }
}

}  // namespace velloro
