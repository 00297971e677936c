#include "base_colour.h"

namespace velloro {
namespace {

constexpr int32_t kPictureSlot = 3;

}  // namespace

BaseColour::BaseColour(const Render& render, const TextureTile& texture)
    : texture_(texture),
      maskRows_(render.args.maskRows),
      fill_{render.args.fillBlue, render.args.fillGreen, render.args.fillRed},
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
    case Source::kTiled: return texture_.tiled(maskRows_, row, column);
    case Source::kFill: break;
  }
  return fill_;
}

}  // namespace velloro
