// Hands a finished render's layer over to its slot, where it stays for the
// following renders of the other slots.
#include <utility>

#include "layer_steps.h"

namespace velloro {

void takeSlotMaps(LayerSlots& slots, Render& render) {
  LayerSlot* slot = slots.find(render.args.layerSlot, render.args.underlay);
  if (slot == nullptr) return;
  slot->valid = false;
  render.layer = std::move(slot->maps);
}

void storeLayer(LayerSlots& slots, Render& render) {
  LayerSlot* slot = slots.find(render.args.layerSlot, render.args.underlay);
  if (slot == nullptr) return;
  const ActionArguments& a = render.args;
  slot->maskRows = a.maskRows;
  slot->maskStride = a.maskStride;
  slot->columnOffset = a.columnOffset;
  slot->rowOffset = a.rowOffset;
  slot->deformationType = a.deformationType;
  slot->effectType = a.effectType;
  slot->deformationAmount = a.deformationAmount;
  slot->effectAmount = a.effectAmount;
  slot->shadow1 = a.effectValue1;
  slot->shadow2 = a.effectValue2;
  slot->density = render.geometry.density;
  slot->outsideOnly = a.underlay != 0;
  slot->region = render.geometry.region;
  slot->maps = std::move(render.layer);
  // Layers taken over unchanged keep what was found in them.
  if (!render.record.layerKept) {
    slot->colours.forget();
    slot->draftTexels.reset();
  }
  slot->valid = true;
}

}  // namespace velloro
