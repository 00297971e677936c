#include "design/style_design.h"

#include <QFont>
#include <algorithm>

#include "design/design_state.h"
#include "design/effect_colour.h"
#include "design/outside_effects.h"
#include "design/panel_readings.h"

namespace {

Rgb rgbOf(const StyleColour& colour) { return {colour.red, colour.green, colour.blue}; }
StyleColour styleColourOf(const Rgb& colour) { return {colour.red, colour.green, colour.blue}; }

FillGradient gradientOf(const Style& style) {
  FillGradient gradient;
  gradient.stops.clear();
  for (const StyleColour& stop : style.gradientStops)
    gradient.stops.emplace_back(stop.red, stop.green, stop.blue);
  gradient.angle = style.gradientAngle;
  return gradient;
}

void readGradient(const FillGradient& gradient, Style& style) {
  style.gradientStops.clear();
  for (const QColor& stop : gradient.stops)
    style.gradientStops.push_back({stop.red(), stop.green(), stop.blue()});
  style.gradientAngle = gradient.angle;
}

void putEffect(const Style& style, DesignState& state, PanelReadings& readings) {
  const OutsideEffect& effect = outsideEffect(style.effectType);
  state.effectType = effect.type;
  const std::span<int32_t> positions = groupPositions(effect.sliders, readings.sliders);
  std::copy_n(style.effectValues.begin(), positions.size(), positions.begin());
  if (Rgb* colour = effectColour(state, effect)) *colour = rgbOf(style.effectColour);
}

void readEffect(const DesignState& state, const PanelReadings& readings, Style& style) {
  const OutsideEffect& effect = outsideEffect(state.effectType);
  style.effectType = effect.type;
  style.effectValues = {};
  std::ranges::copy(groupPositions(effect.sliders, readings.sliders), style.effectValues.begin());
  const Rgb* colour = effectColour(state, effect);
  style.effectColour = colour ? styleColourOf(*colour) : StyleColour{};
}

}  // namespace

void putStyle(const Style& style, DesignState& state, PanelReadings& readings) {
  state.fillKind = style.fillKind;
  readings.textureOption = style.fillKind == FillKind::Texture;
  readings.gradientOption = style.fillKind == FillKind::Gradient;
  state.fillColour = rgbOf(style.fillColour);
  state.gradient = gradientOf(style);
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

TextArrangement styleArrangement(const StyleFont& style) {
  return {LineAlignment(style.alignment), style.lineSpacing, style.letterSpacing};
}

Style styleOf(const DesignState& state, const PanelReadings& readings, const QFont& font) {
  Style style;
  style.fillKind = readings.gradientOption  ? FillKind::Gradient
                   : readings.textureOption ? FillKind::Texture
                                            : FillKind::Colour;
  style.fillColour = styleColourOf(state.fillColour);
  readGradient(state.gradient, style);
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
