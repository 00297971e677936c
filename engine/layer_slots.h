// The three layer slots that persist between renders.
#pragma once

#include <array>
#include <cstdint>

#include "render.h"

namespace velloro {

struct LayerSlot {
  bool valid = false;
  int32_t maskRows = 0;
  int32_t maskStride = 0;
  int32_t columnOffset = 0;
  int32_t rowOffset = 0;
  DeformationType deformationType = DeformationType::None;
  EffectType effectType = EffectType::NoContour;
  int32_t deformationAmount = 0;
  int32_t effectAmount = 0;
  int32_t shadow1 = 0;  // shadow offset X / height
  int32_t shadow2 = 0;  // shadow offset Y / orientation
  int32_t density = 1;  // of the render: the cast shadow's length scales with it
  Region region;
  LayerMaps maps;
};

class LayerSlots {
 public:
  static constexpr int32_t kCount = 3;

  // Slot 1, 2 or 3; nullptr for any other number.
  LayerSlot* find(int32_t number);
  void invalidate(int32_t number);

 private:
  std::array<LayerSlot, kCount> slots_;
};

}  // namespace velloro
