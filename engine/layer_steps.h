// The steps that turn a render's geometry into a layer and paint the layers
// onto the output, in the order a render runs them.
#pragma once

#include "layer_slots.h"
#include "render.h"
#include "texture_tile.h"

namespace velloro {

// Colours the inside of the element and writes its depth map.
void shadeSurface(Render& render, const TextureTile& texture);
// Leaves the element's colours empty, its depth kept: an underlay lays the
// outside effect and the shadow the element casts, never the element.
void leaveElementEmpty(Render& render);
// Paints engraving, raised border, outlines or glow around the element.
void paintOuterEffect(Render& render, const TextureTile& texture);
// Blends the colour of every outline pixel from its neighbours.
void smoothEdges(Render& render);
// Hands the render the maps of the slot it replaces, to be refilled: the
// slot is invalid until the render stores its layer there.
void takeSlotMaps(LayerSlots& slots, Render& render);
// Moves the render's layer maps into the slot of its layer number.
void storeLayer(LayerSlots& slots, Render& render);
// Paints every valid slot, shadows first, onto the output picture; with a
// `source`, each output row is first copied from it (the two lie apart).
// `approximate` lays turned and bent layers through faster approximations.
void compositeSlots(LayerSlots& slots, const ActionArguments& args, const WorkerPolicy& workers,
                    const uint8_t* source, bool approximate);

}  // namespace velloro
