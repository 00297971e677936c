// The kind settings table: one row per source kind, so that text, shape and
// picture each keep their own frame, fill, effect sliders and deformation
// while another kind is being worked on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "design_kinds.h"

using velloro::DeformationType;
using velloro::EffectType;
using velloro::SourceKind;

inline constexpr std::array<SourceKind, 3> sourceKinds{SourceKind::Text, SourceKind::Shape,
                                                       SourceKind::Picture};

// One value per source kind, addressed by the kind.
template <typename T>
class BySourceKind {
 public:
  T& operator[](SourceKind kind) { return values_[slot(kind)]; }
  const T& operator[](SourceKind kind) const { return values_[slot(kind)]; }
  bool operator==(const BySourceKind&) const = default;

 private:
  // A kind outside the three reads as text, so no caller reaches outside.
  static std::size_t slot(SourceKind kind) {
    const int32_t number = velloro::toInt(kind);
    return number >= 1 && number <= 3 ? std::size_t(number - 1) : 0;
  }

  std::array<T, 3> values_{};
};

struct Rgb {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The slider positions (and colour, for outlines and glow) that an outside
// effect keeps for a source kind. Unused sliders stay 0.
struct EffectSliders {
  std::array<int32_t, 3> positions{};
  Rgb colour;
  bool operator==(const EffectSliders&) const = default;
};

struct KindRow {
  bool available = false;  // text always; a shape once drawn, a picture once extracted
  int32_t frameLeft = 5;
  int32_t frameTop = 5;
  int32_t surfacePattern = 0;
  int32_t fillKind = 0;  // 0 colour, 1 texture, 2 gradient
  Rgb fillColour;
  EffectType effectType = EffectType::NoContour;
  // Indexed by effect type; "No contour" keeps nothing.
  std::array<EffectSliders, 8> effectSliders{};
  DeformationType deformationType = DeformationType::Rotate;
  int32_t deformationAmount = 0;
  int32_t material = 0;
  bool operator==(const KindRow&) const = default;
};

using KindSettingsTable = BySourceKind<KindRow>;

KindSettingsTable defaultKindSettings();

// Keeps the sliders `effect` uses (and its colour, if it has one) in `row`.
void storeEffectSliders(KindRow& row, EffectType effect, const EffectSliders& sliders);
EffectSliders loadEffectSliders(const KindRow& row, EffectType effect);
