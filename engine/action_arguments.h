// The 36 arguments of ACTION, by role (engine.h explains each), and the
// pixel density of ENGINE_ACTION.
#pragma once

#include <array>
#include <cstdint>

#include "design_kinds.h"

namespace velloro {

struct ActionArguments {
  uint8_t* mask = nullptr;
  const uint8_t* source = nullptr;
  uint8_t* output = nullptr;
  int32_t maskStride = 0;
  int32_t maskRows = 0;
  int32_t outputStride = 0;
  int32_t outputRows = 0;
  int32_t columnOffset = 0;
  int32_t rowOffset = 0;
  int32_t smoothingSize = 0;
  SurfacePatternType surfacePattern = SurfacePatternType::None;
  CurveAxis curveAxis = CurveAxis::TopToBottom;
  Material material = Material::Profile;
  DeformationType deformationType = DeformationType::None;
  EffectType effectType = EffectType::NoContour;
  int32_t deformationAmount = 0;
  int32_t effectAmount = 0;
  // Effect colour red/green/blue for outlines and glow; shadow parameters for
  // the two shadows.
  int32_t effectValue1 = 0;
  int32_t effectValue2 = 0;
  int32_t effectValue3 = 0;
  int32_t fillRed = 0;
  int32_t fillGreen = 0;
  int32_t fillBlue = 0;
  int32_t layerSlot = 1;
  std::array<int32_t, 6> knotX{};
  std::array<int32_t, 6> knotY{};
  int32_t density = 1;  // pixels per design pixel, 1..kLargestDensity
  // 0: the slot's own layer, the element with its outside effect; 1 up to
  // kUnderlayCount: an underlay of the slot, the outside effect alone.
  int32_t underlay = 0;
};

inline constexpr int32_t kLargestDensity = 4;
// A slot's underlays; with the slot's own effect, a stack of eight effects.
inline constexpr int32_t kUnderlayCount = 7;

}  // namespace velloro
