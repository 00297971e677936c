// The enumerations that the relief engine and the program share: each one is
// an argument of ACTION, so both sides read the same numbers. The underlying
// type is the argument's 32-bit integer, and a value outside the named ones
// stays representable, since the engine must survive whatever a caller passes.
#pragma once

#include <cstdint>

namespace velloro {

// The design element being rendered; its number is also the layer slot.
enum class SourceKind : int32_t { Text = 1, Shape = 2, Picture = 3 };

enum class EffectType : int32_t {
  NoContour = 0,
  DropShadow = 1,
  CastShadow = 2,
  Engraved = 3,
  Raised = 4,
  Outline1 = 5,
  Outline2 = 6,
  Glow = 7,
};

// Whether the engine paints the effect around the design itself; shadows are
// laid under it when layers are composited, and other values paint nothing.
constexpr bool isOuterEffect(EffectType type) {
  switch (type) {
    case EffectType::Engraved:
    case EffectType::Raised:
    case EffectType::Outline1:
    case EffectType::Outline2:
    case EffectType::Glow: return true;
    default: return false;
  }
}

enum class DeformationType : int32_t { None = 0, Rotate = 1, Curve = 2 };

enum class SurfacePatternType : int32_t { None = 0, Streaks = 1, Grain = 2, Ripples = 3 };

// Along which direction the profile curve runs; other values shade flat.
enum class CurveAxis : int32_t { TopToBottom = 0, LeftToRight = 1, CentreToEdge = 2 };

// Materials 0..5 are named by number only; 0 shades by the profile alone and,
// for a picture, takes its colours from the picture itself.
enum class Material : int32_t {
  Profile = 0,
  Material1 = 1,
  Material2 = 2,
  Material3 = 3,
  Material4 = 4,
  Material5 = 5,
  Steel = 6,
  Gold = 7,
};

// Materials are numbered from 0 without gaps; the last one is Gold.
inline constexpr int32_t materialCount = 8;

constexpr int32_t toInt(SourceKind v) { return static_cast<int32_t>(v); }
constexpr int32_t toInt(EffectType v) { return static_cast<int32_t>(v); }
constexpr int32_t toInt(DeformationType v) { return static_cast<int32_t>(v); }
constexpr int32_t toInt(SurfacePatternType v) { return static_cast<int32_t>(v); }
constexpr int32_t toInt(CurveAxis v) { return static_cast<int32_t>(v); }
constexpr int32_t toInt(Material v) { return static_cast<int32_t>(v); }

}  // namespace velloro
