// Library-wide state kept between calls: the layer slots, the texture tile
// and the working arrays of the render in progress.
#pragma once

#include <memory>

#include "layer_slots.h"
#include "render.h"
#include "texture_tile.h"

namespace velloro {

struct EngineState {
    LayerSlots slots;
    TextureTile texture;
    std::unique_ptr<Render> render;  // from ACTION until DESTRUCTION
};

EngineState& engineState();

}  // namespace velloro
