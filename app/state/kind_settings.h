// The kind settings table: one row of 42 integers per source kind (rows 1..3;
// rows 0 and 4 and columns 32..41 are never used), so that text, shape and
// picture each keep their own frame, fill, effect and deformation.
#pragma once

#include <array>
#include <cstdint>

namespace sourceKind {
inline constexpr int Text = 1;
inline constexpr int Shape = 2;
inline constexpr int Picture = 3;
}  // namespace sourceKind

namespace kindColumn {
inline constexpr int Available = 0;
inline constexpr int FrameLeft = 1;
inline constexpr int FrameTop = 2;
inline constexpr int SurfacePattern = 3;
inline constexpr int FillKind = 4;
inline constexpr int FillRed = 5;
inline constexpr int EffectType = 8;
inline constexpr int DropShadow = 9;
inline constexpr int CastShadow = 12;
inline constexpr int EngravedWidth = 15;
inline constexpr int RaisedWidth = 16;
inline constexpr int Outline1Width = 17;
inline constexpr int Outline1Red = 18;
inline constexpr int Outline2Width = 21;
inline constexpr int Outline2Red = 22;
inline constexpr int GlowWidth = 25;
inline constexpr int GlowRed = 26;
inline constexpr int DeformationType = 29;
inline constexpr int DeformationAmount = 30;
inline constexpr int Material = 31;
}  // namespace kindColumn

namespace effectType {
inline constexpr int NoContour = 0;
inline constexpr int DropShadow = 1;
inline constexpr int CastShadow = 2;
inline constexpr int Engraved = 3;
inline constexpr int Raised = 4;
inline constexpr int Outline1 = 5;
inline constexpr int Outline2 = 6;
inline constexpr int Glow = 7;
}  // namespace effectType

struct Rgb {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

using KindRow = std::array<int32_t, 42>;
using KindSettingsTable = std::array<KindRow, 5>;

KindSettingsTable defaultKindSettings();

// The slider positions (and colour, for outlines and glow) that an outside
// effect keeps in its own columns of a kind's row. Unused sliders stay 0.
struct EffectSliders {
  std::array<int32_t, 3> positions{};
  Rgb colour;
  bool operator==(const EffectSliders&) const = default;
};

void storeEffectSliders(KindRow& row, int effect, const EffectSliders& sliders);
EffectSliders loadEffectSliders(const KindRow& row, int effect);

void storeColour(KindRow& row, int firstColumn, const Rgb& colour);
Rgb loadColour(const KindRow& row, int firstColumn);
