#include "state/style_design.h"

#include <QFont>

#include "state/design_state.h"
#include "state/render_pipeline.h"

namespace {

Rgb rgbOf(const StyleColour& colour) { return {colour.red, colour.green, colour.blue}; }
StyleColour styleColourOf(const Rgb& colour) { return {colour.red, colour.green, colour.blue}; }

void putEffect(const Style& style, DesignState& state, PanelReadings& readings) {
  state.effectType = style.effectType;
  const auto& values = style.effectValues;
  switch (style.effectType) {
    case effectType::DropShadow:
    case effectType::CastShadow: readings.shadowSliders = values; break;
    case effectType::Engraved:
    case effectType::Raised: readings.engravedSlider = values[0]; break;
    case effectType::Outline1:
    case effectType::Outline2:
      readings.outlineSlider = values[0];
      state.outlineColour = rgbOf(style.effectColour);
      break;
    case effectType::Glow:
      readings.outlineSlider = values[0];
      state.glowColour = rgbOf(style.effectColour);
      break;
    default: break;
  }
}

void readEffect(const DesignState& state, const PanelReadings& readings, Style& style) {
  style.effectType = state.effectType;
  style.effectValues = {};
  style.effectColour = {};
  switch (state.effectType) {
    case effectType::DropShadow:
    case effectType::CastShadow: style.effectValues = readings.shadowSliders; break;
    case effectType::Engraved:
    case effectType::Raised: style.effectValues[0] = readings.engravedSlider; break;
    case effectType::Outline1:
    case effectType::Outline2:
      style.effectValues[0] = readings.outlineSlider;
      style.effectColour = styleColourOf(state.outlineColour);
      break;
    case effectType::Glow:
      style.effectValues[0] = readings.outlineSlider;
      style.effectColour = styleColourOf(state.glowColour);
      break;
    default: break;
  }
}

}  // namespace

void putStyle(const Style& style, DesignState& state, PanelReadings& readings) {
  state.fillKind = style.textureFill ? 1 : 0;
  readings.textureOption = style.textureFill;
  state.fillColour = rgbOf(style.fillColour);
  state.surfacePattern = style.surfacePattern;
  state.curveAxis = style.curveAxis;
  for (int i = 0; i < styleCurvePoints; ++i) {
    state.curve.x[i + 1] = style.curvePositions[i];
    state.curve.y[i + 1] = style.curveValues[i];
  }
  state.material = style.material;
  putEffect(style, state, readings);
  state.deformationType = style.deformationType;
  readings.deformSlider = style.deformationAmount;
}

void putStyleFont(const StyleFont& style, QFont& font) {
  font.setFamily(style.family);
  font.setPointSizeF(style.pointSize);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
}

Style styleOf(const DesignState& state, const PanelReadings& readings, const QFont& font) {
  Style style;
  style.textureFill = readings.textureOption;
  style.fillColour = styleColourOf(state.fillColour);
  style.texture = state.textureNames[state.sourceKind];
  style.surfacePattern = state.surfacePattern;
  style.curveAxis = state.curveAxis;
  for (int i = 0; i < styleCurvePoints; ++i) {
    style.curvePositions[i] = state.curve.x[i + 1];
    style.curveValues[i] = state.curve.y[i + 1];
  }
  style.material = state.material;
  readEffect(state, readings, style);
  style.deformationType = state.deformationType;
  style.deformationAmount = readings.deformSlider;
  style.font = {font.family(), font.pointSizeF(), font.bold(), font.italic(), font.underline()};
  return style;
}
