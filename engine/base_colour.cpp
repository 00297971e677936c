#include "base_colour.h"

#include <algorithm>

namespace velloro {
namespace {

constexpr int32_t kPictureSlot = 3;

// Channels beyond a byte are taken as its nearest end, so the shading
// arithmetic stays within range whatever the caller passes.
int32_t channel(int32_t value) { return std::clamp(value, 0, 255); }

}  // namespace

BaseColour::BaseColour(const Render& render, const TextureTile& texture)
    : texture_(texture),
      maskRows_(render.args.maskRows),
      density_(render.geometry.density),
      fill_{channel(render.args.fillBlue), channel(render.args.fillGreen),
            channel(render.args.fillRed)},
      source_(Source::kFill) {
  if (render.args.layerSlot == kPictureSlot && render.args.material == Material::Profile) {
    source_ = Source::kPlaced;
  } else if (texture.isSet()) {
    source_ = Source::kTiled;
  }
}

Colour BaseColour::at(int32_t row, int32_t column) const {
  switch (source_) {
    case Source::kPlaced: return texture_.placed(maskRows_, row, column);
    case Source::kTiled: return texture_.tiled(maskRows_, row, column, density_);
    case Source::kFill: break;
  }
  return fill_;
}

}  // namespace velloro
