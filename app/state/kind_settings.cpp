#include "state/kind_settings.h"

namespace {

struct EffectColumns {
  int firstSlider;
  int sliderCount;
  int firstColour;  // 0: the effect has no colour of its own
};

EffectColumns effectColumns(int effect) {
  using namespace kindColumn;
  switch (effect) {
    case effectType::DropShadow: return {DropShadow, 3, 0};
    case effectType::CastShadow: return {CastShadow, 3, 0};
    case effectType::Engraved: return {EngravedWidth, 1, 0};
    case effectType::Raised: return {RaisedWidth, 1, 0};
    case effectType::Outline1: return {Outline1Width, 1, Outline1Red};
    case effectType::Outline2: return {Outline2Width, 1, Outline2Red};
    case effectType::Glow: return {GlowWidth, 1, GlowRed};
    default: return {0, 0, 0};
  }
}

KindRow defaultRow(int kind) {
  using namespace kindColumn;
  KindRow row{};
  row[Available] = kind == sourceKind::Text ? 1 : 0;
  row[FrameLeft] = 5;
  row[FrameTop] = 5;
  if (kind != sourceKind::Text) storeColour(row, FillRed, {0, 0, 200});
  row[DropShadow] = 50;
  row[DropShadow + 1] = 60;
  row[DropShadow + 2] = 60;
  row[CastShadow] = 50;
  row[CastShadow + 1] = 60;
  row[CastShadow + 2] = 7;
  row[EngravedWidth] = 20;
  row[RaisedWidth] = 50;
  row[Outline1Width] = 50;
  row[Outline2Width] = 100;
  row[GlowWidth] = 20;
  storeColour(row, GlowRed, {0, 255, 0});
  row[DeformationType] = 1;
  return row;
}

}  // namespace

KindSettingsTable defaultKindSettings() {
  KindSettingsTable table{};
  for (int kind : {sourceKind::Text, sourceKind::Shape, sourceKind::Picture})
    table[kind] = defaultRow(kind);
  return table;
}

void storeColour(KindRow& row, int firstColumn, const Rgb& colour) {
  row[firstColumn] = colour.red;
  row[firstColumn + 1] = colour.green;
  row[firstColumn + 2] = colour.blue;
}

Rgb loadColour(const KindRow& row, int firstColumn) {
  return {row[firstColumn], row[firstColumn + 1], row[firstColumn + 2]};
}

void storeEffectSliders(KindRow& row, int effect, const EffectSliders& sliders) {
  const EffectColumns columns = effectColumns(effect);
  for (int i = 0; i < columns.sliderCount; ++i) row[columns.firstSlider + i] = sliders.positions[i];
  if (columns.firstColour != 0) storeColour(row, columns.firstColour, sliders.colour);
}

EffectSliders loadEffectSliders(const KindRow& row, int effect) {
  const EffectColumns columns = effectColumns(effect);
  EffectSliders sliders;
  for (int i = 0; i < columns.sliderCount; ++i) sliders.positions[i] = row[columns.firstSlider + i];
  if (columns.firstColour != 0) sliders.colour = loadColour(row, columns.firstColour);
  return sliders;
}
