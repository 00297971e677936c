// The 36 arguments of ACTION, by role.
#pragma once

#include <array>
#include <cstdint>

namespace velloro {

enum EffectType : int32_t {
  kNoContour = 0,
  kDropShadow = 1,
  kCastShadow = 2,
  kEngraved = 3,
  kRaised = 4,
  kOutline1 = 5,
  kOutline2 = 6,
  kGlow = 7,
};

enum DeformationType : int32_t { kNoDeformation = 0, kRotate = 1, kCurve = 2 };

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
  int32_t surfacePattern = 0;
  int32_t curveAxis = 0;
  int32_t material = 0;
  int32_t deformationType = 0;
  int32_t effectType = 0;
  int32_t deformationAmount = 0;
  int32_t effectAmount = 0;
  // Effect colour red/green/blue for types 5..7; shadow parameters for 1 and 2.
  int32_t effectValue1 = 0;
  int32_t effectValue2 = 0;
  int32_t effectValue3 = 0;
  int32_t fillRed = 0;
  int32_t fillGreen = 0;
  int32_t fillBlue = 0;
  int32_t layerSlot = 1;
  std::array<int32_t, 6> knotX{};
  std::array<int32_t, 6> knotY{};
};

}  // namespace velloro
