#include "design/style_design.h"

#include <QFont>

#include "design/design_state.h"
#include "design/font_installed_instances.h"

void applyStyle(const Style& style, DesignState& state) { state.model.apply(style); }

void putStyleFont(const StyleFont& style, QFont& font) {
  provideInstalledInstance(style.family);
  font.setFamily(style.family);
  font.setPointSizeF(style.pointSize);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
}

TextArrangement styleArrangement(const StyleFont& style) {
  return {LineAlignment(style.alignment), style.lineSpacing, style.letterSpacing};
}

Style styleOf(const DesignState& state, const QFont& font) {
  Style style = state.model.style();
  style.texture = state.textureNames[state.sourceKind];
  // An effect without a colour of its own keeps none.
  for (EffectEntry& entry : style.effects)
    if (outsideEffect(entry.type).colour == EffectColour::None) entry.colour = {};
  const TextArrangement& arrangement = state.textPicture.arrangement;
  style.font = {font.family(),
                font.pointSizeF(),
                font.bold(),
                font.italic(),
                font.underline(),
                arrangement.letterSpacing,
                int32_t(arrangement.alignment),
                arrangement.lineSpacing};
  return style;
}
