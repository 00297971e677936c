#include "layer_slots.h"

namespace velloro {

LayerSlot* LayerSlots::find(int32_t number) {
  if (number < 1 || number > kCount) return nullptr;
  return &slots_[static_cast<size_t>(number - 1)];
}

void LayerSlots::invalidate(int32_t number) {
  if (LayerSlot* slot = find(number)) slot->valid = false;
}

}  // namespace velloro
