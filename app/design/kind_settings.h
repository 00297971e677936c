// The kind settings table: one row per source kind, so that text, shape and
// picture each keep their own frame, fill, effect sliders and deformation
// while another kind is being worked on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "design/effect_stack.h"
#include "design/outside_effects.h"
#include "design/rgb.h"
#include "design_kinds.h"

using velloro::CurveAxis;
using velloro::DeformationType;
using velloro::EffectType;
using velloro::Material;
using velloro::SourceKind;
using velloro::SurfacePatternType;

// What fills the design: its fill colour or a texture picture.
enum class FillKind : int32_t { Colour = 0, Texture = 1, Gradient = 2 };

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

// The slider positions (and colour, for outlines and glow) that an outside
// effect keeps for a source kind. Unused sliders stay 0.
struct EffectSliders {
  std::array<int32_t, effectSliderCount> positions{};
  Rgb colour;
  bool operator==(const EffectSliders&) const = default;
};

struct KindRow {
  bool available = false;  // text always; a shape once drawn, a picture once extracted
  int32_t frameLeft = 5;
  int32_t frameTop = 5;
  SurfacePatternType surfacePattern = SurfacePatternType::None;
  FillKind fillKind = FillKind::Colour;
  Rgb fillColour;
  EffectStack effects;  // the kind's whole stack, bottom first
  // Indexed by effect type; "No contour" keeps nothing.
  std::array<EffectSliders, outsideEffectCount> effectSliders{};
  DeformationType deformationType = DeformationType::Rotate;
  int32_t deformationAmount = 0;
  Material material = Material::Profile;
  bool operator==(const KindRow&) const = default;
};

using KindSettingsTable = BySourceKind<KindRow>;

KindSettingsTable defaultKindSettings();

// Keeps the sliders `effect` uses (and its colour, if it has one) in `row`.
void storeEffectSliders(KindRow& row, EffectType effect, const EffectSliders& sliders);
EffectSliders loadEffectSliders(const KindRow& row, EffectType effect);
