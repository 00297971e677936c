#include "layer_slots.h"

#include <algorithm>

namespace velloro {

LayerSlot* LayerSlots::find(int32_t number, int32_t underlay) {
  if (number < 1 || number > kCount || underlay < 0 || underlay > kUnderlayCount) return nullptr;
  return &slots_[static_cast<size_t>(number - 1)][static_cast<size_t>(underlay)];
}

void LayerSlots::invalidate(int32_t number, int32_t underlay) {
  if (LayerSlot* slot = find(number, underlay)) slot->valid = false;
}

void LayerSlots::keepUnderlays(int32_t number, int32_t count) {
  for (int32_t underlay = std::max(count, 0) + 1; underlay <= kUnderlayCount; ++underlay) {
    if (LayerSlot* slot = find(number, underlay)) {
      slot->valid = false;
      slot->maps = {};
      slot->colours.forget();
      slot->draftTexels.reset();
    }
  }
}

}  // namespace velloro
