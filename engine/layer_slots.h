// The three layer slots that persist between renders.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "action_arguments.h"
#include "coloured_blocks.h"
#include "render.h"

namespace velloro {

class DraftTexels;

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
  int32_t shadow1 = 0;       // shadow offset X / height
  int32_t shadow2 = 0;       // shadow offset Y / orientation
  int32_t density = 1;       // of the render: the cast shadow's length scales with it
  bool outsideOnly = false;  // an underlay: the element's colours are left empty
  Region region;
  LayerMaps maps;
  // What compositing found in the colour map, forgotten whenever the maps
  // change.
  ColourSummary colours;
  // The maps as a drag's frames blend them: made on the first such frame,
  // dropped with the maps and at the next exact frame.
  std::shared_ptr<const DraftTexels> draftTexels;
};

// Each slot holds its own layer and, under it, up to kUnderlayCount
// underlays: underlay 1 lies directly under the slot's layer, each higher
// number under the one before.
class LayerSlots {
 public:
  static constexpr int32_t kCount = 3;
  static constexpr int32_t kLayersPerSlot = kUnderlayCount + 1;

  // Slot 1, 2 or 3 (its underlay 1..kUnderlayCount); nullptr for any other
  // number.
  LayerSlot* find(int32_t number, int32_t underlay = 0);
  void invalidate(int32_t number, int32_t underlay = 0);
  // Drops the underlays of slot `number` past the first `count`.
  void keepUnderlays(int32_t number, int32_t count);

 private:
  std::array<std::array<LayerSlot, kLayersPerSlot>, kCount> slots_;
};

}  // namespace velloro
