// The colour a relief pixel starts from: the fill colour, or the texture
// tile repeated over the mask, or (picture layers of material 0) the picture
// itself placed at its offsets.
#pragma once

#include "render.h"
#include "texture_tile.h"

namespace velloro {

class BaseColour {
public:
    BaseColour(const Render& render, const TextureTile& texture);

    Colour at(int32_t row, int32_t column) const;

private:
    enum class Source { kFill, kTiled, kPlaced };

    const TextureTile& texture_;
    int32_t maskRows_;
    Colour fill_;
    Source source_;
};

}  // namespace velloro
