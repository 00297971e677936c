// The colour a relief pixel starts from: the fill colour, or the texture
// tile repeated over the mask (each texture pixel covering density x density
// pixels), or (picture layers of material 0) the picture itself placed at
// its offsets: a denser picture is handed over at its own density.
#pragma once

#include "render.h"
#include "texture_tile.h"
#include "truncation.h"

namespace velloro {

// A base channel darkened towards black (brightness w below one half) or
// lightened towards white, truncated into the colour map's range.
inline int16_t shadeChannel(double w, int32_t base) {
  const double value = w < 0.5 ? 2 * w * base : 255 - 2 * (1 - w) * (255.0 - base);
  return static_cast<int16_t>(truncateInto(value, INT16_MIN, INT16_MAX));
}

class BaseColour {
 public:
  BaseColour(const Render& render, const TextureTile& texture);

  Colour at(int32_t row, int32_t column) const;
  // Whether every pixel starts from the same colour (the fill).
  bool isUniform() const { return source_ == Source::kFill; }

 private:
  enum class Source { kFill, kTiled, kPlaced };

  const TextureTile& texture_;
  int32_t maskRows_;
  int32_t density_;
  Colour fill_;
  Source source_;
};

}  // namespace velloro
