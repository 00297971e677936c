// The materials of the "Edge" panel, one row each in the order of their
// numbers: the name the panel gives them and, for steel and gold, the curve,
// axis and fill colour they bring along when chosen.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <optional>

#include "design/rgb.h"
#include "design_kinds.h"

using velloro::Material;
using velloro::materialCount;

// What choosing a material brings besides itself.
struct MaterialLook {
  QLatin1StringView curveFile;  // in the curves folder
  velloro::CurveAxis axis;
  Rgb fillColour;
};

struct MaterialRow {
  Material material;
  QLatin1StringView name;
  std::optional<MaterialLook> ownLook;
};

inline constexpr std::array<MaterialRow, materialCount> materials{{
    {Material::Profile, QLatin1StringView("Material 1"), std::nullopt},
    {Material::RimLit, QLatin1StringView("Material 2"), std::nullopt},
    {Material::BevelHighlight, QLatin1StringView("Material 3"), std::nullopt},
    {Material::Ridge, QLatin1StringView("Material 4"), std::nullopt},
    {Material::Glossy, QLatin1StringView("Material 5"), std::nullopt},
    {Material::Chrome, QLatin1StringView("Material 6"), std::nullopt},
    {Material::Steel, QLatin1StringView("Steel"),
     MaterialLook{
         QLatin1StringView("steel.txt"), velloro::CurveAxis::LeftToRight, {128, 128, 128}}},
    {Material::Gold, QLatin1StringView("Gold"),
     MaterialLook{QLatin1StringView("gold.txt"), velloro::CurveAxis::LeftToRight, {204, 177, 24}}},
}};

// The row of `material`; a number that is none of them reads as Profile.
const MaterialRow& materialRow(Material material);

// A source kind keeps one curve and curve axis per group: group 1 for the
// materials shaded by their profile, then one group for each material with
// its own look, in the order of the table. Stored curve files carry it.
constexpr int materialGroup(Material material) {
  int group = 1;
  for (const MaterialRow& row : materials) {
    if (row.ownLook) ++group;
    if (row.material == material) return row.ownLook ? group : 1;
  }
  return 1;
}
inline constexpr int materialGroupCount = materialGroup(materials.back().material);

// "6 is steel and 7 is gold": the materials that bring their own look, for help texts.
QString materialsWithOwnLook();
