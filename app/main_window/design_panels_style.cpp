// A style set on the panels through the same handlers the user's clicks
// run, so that the kind settings and the source switch keep what it set.
#include <QListWidget>
#include <QRadioButton>

#include "design/design_state.h"
#include "design/outside_effects.h"
#include "design/style.h"
#include "main_window/design_panels.h"
#include "main_window/tab_panels.h"

namespace {

QColor colourOf(const StyleColour& colour) { return {colour.red, colour.green, colour.blue}; }

}  // namespace

void DesignPanels::applyStyle(const Style& style, const QString& texturePath) {
  DesignState& state = design_;
  selectMaterial(style.material, 0);
  setFillColour(colourOf(style.fillColour));
  panels_.fillSourceButtons()[size_t(style.fillKind)]->setChecked(true);
  state.gradient.stops.clear();
  for (const StyleColour& stop : style.gradientStops)
    state.gradient.stops.push_back(colourOf(stop));
  state.gradient.angle = style.gradientAngle;
  panels_.showGradientPreview(state.gradient);
  if (style.fillKind == FillKind::Texture) {
    showTexture(texturePath);
    state.textureNames[state.sourceKind] = texturePath;
  }
  panels_.selectCurveAxis(style.curveAxis);
  curveAxisClicked(style.curveAxis);
  surfacePatternPressed(style.surfacePattern);
  surfacePatternClicked(style.surfacePattern);
  for (int i = 0; i < styleCurvePoints; ++i) {
    state.curve.x[i + 1] = style.curvePositions[i];
    state.curve.y[i + 1] = style.curveValues[i];
  }
  drawCurveBox();
  applyStyleEffect(style);
  panels_.deformationButtons()[size_t(velloro::toInt(style.deformationType))]->setChecked(true);
  panels_.deformSlider()->setValue(style.deformationAmount);
  deformationClicked();
}

void DesignPanels::applyStyleEffect(const Style& style) {
  panels_.effectList()->setCurrentRow(velloro::toInt(style.effectType));
  effectListClicked();
  const OutsideEffect& effect = outsideEffect(style.effectType);
  const std::vector<TrackSlider*> sliders = panels_.effectSliders(effect.sliders);
  for (size_t i = 0; i < sliders.size(); ++i) sliders[i]->setValue(style.effectValues[i]);
  // Outlines and glow show their colour in the outline frame.
  if (effect.colour != EffectColour::None) takeOutlineColour(colourOf(style.effectColour));
}
