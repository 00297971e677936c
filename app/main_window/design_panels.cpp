// What the tab panels hand to the render, the outside effect list, the
// swatches, and the panels' part of switching the source kind.
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>

#include "design/curve_drawing.h"
#include "design/design_state.h"
#include "design/effect_colour.h"
#include "design/fill_preview.h"
#include "design/outside_effects.h"
#include "design/source_kind_switch.h"
#include "design/text_picture.h"
#include "files/failure.h"
#include "files/site_tags.h"
#include "main_window/design_panels.h"
#include "main_window/tab_panels.h"
#include "platform/error_report.h"
#include "platform/platform.h"

namespace {

EffectSliders slidersOf(DesignState& state, const TabPanels& panels, EffectType type) {
  const OutsideEffect& effect = outsideEffect(type);
  EffectSliders sliders;
  const std::vector<TrackSlider*> shown = panels.effectSliders(effect.sliders);
  for (size_t i = 0; i < shown.size(); ++i) sliders.positions[i] = shown[i]->Value();
  if (const Rgb* colour = effectColour(state, effect)) sliders.colour = *colour;
  return sliders;
}

void setSliders(DesignState& state, TabPanels& panels, EffectType type,
                const EffectSliders& sliders) {
  const OutsideEffect& effect = outsideEffect(type);
  if (Rgb* colour = effectColour(state, effect)) *colour = sliders.colour;
  const std::vector<TrackSlider*> shown = panels.effectSliders(effect.sliders);
  for (size_t i = 0; i < shown.size(); ++i) shown[i]->setValue(sliders.positions[i]);
}

}  // namespace

PanelReadings DesignPanels::readings() const {
  PanelReadings readings;
  for (int k = 1; k <= 3; ++k) readings.sliders.shadow[k - 1] = panels_.shadowSlider(k)->Value();
  readings.sliders.engraved = panels_.engravedSlider()->Value();
  readings.sliders.outline = panels_.outlineSlider()->Value();
  readings.deformSlider = panels_.deformSlider()->Value();
  readings.textureOption = panels_.fillSourceButtons()[1]->isChecked();
  readings.gradientOption = panels_.fillSourceButtons()[2]->isChecked();
  readings.smoothingSize = design_.textPicture.roundedFontSize();
  return readings;
}

// Leaving an effect keeps its sliders in the source kind's row; the effect
// chosen brings back its own.
void DesignPanels::effectListClicked() {
  runTrapped(platform_, siteTag::frmMain_List3_Click, [this] {
    DesignState& state = design_;
    const EffectType previous = state.effectType;
    const EffectType chosen{std::max(0, panels_.effectList()->currentRow())};
    state.effectType = chosen;
    KindRow& row = state.kindSettings[state.sourceKind];
    if (previous != EffectType::NoContour)
      storeEffectSliders(row, previous, slidersOf(state, panels_, previous));
    if (chosen == EffectType::NoContour) return;
    setSliders(state, panels_, chosen, loadEffectSliders(row, chosen));
    showEffectControls(chosen);
  });
}

void DesignPanels::switchSourceKind(SourceKind previousKind) {
  DesignState& state = design_;
  const SourceKind kind = state.sourceKind;
  const auto& fillKinds = panels_.fillSourceButtons();
  state.fillKind =
      FillKind(std::ranges::find_if(fillKinds, &QRadioButton::isChecked) - fillKinds.begin());
  state.deformationAmount = panels_.deformSlider()->Value();
  try {
    storeSourceKind(state, previousKind, curvesFolder());
  } catch (const Failure&) {
    // Keeping the curve is best effort, as every curve save is: the
    // settings are stored by then and the switch goes on.
  }
  const KindControls controls = loadSourceKind(state, kind);
  panels_.fillSourceButtons()[size_t(controls.fillKind)]->setChecked(true);

  state.sourceKind = previousKind;
  panels_.effectList()->setCurrentRow(velloro::toInt(EffectType::NoContour));
  effectListClicked();
  state.sourceKind = kind;
  state.effectType = EffectType::NoContour;
  panels_.effectList()->setCurrentRow(velloro::toInt(controls.effectType));
  effectListClicked();

  panels_.deformationButtons()[std::clamp(velloro::toInt(controls.deformationType), 0, 2)]
      ->setChecked(true);
  panels_.deformSlider()->setValue(controls.deformationAmount);
  deformationClicked();
  // The material brings back the kind's own fill colour, its curve and its
  // curve axis; its fill preview keeps the colour in the kind's row.
  selectMaterial(state.material, restoreMaterialY);
  surfacePatternPressed(state.surfacePattern);
  if (controls.fillKind == FillKind::Texture && kind != previousKind &&
      !state.textureNames[kind].isEmpty())
    showTexture(state.textureNames[kind]);
}

void DesignPanels::drawFillPreview() {
  QImage swatch = panels_.fillPreviews()[0]->picture();
  ::drawFillPreview(design_, swatch);
  panels_.fillPreviews()[0]->setPicture(swatch);
}

void DesignPanels::drawCurveBox() {
  QImage box = panels_.curveView()->picture();
  drawCurveFrame(box, design_.curve, panels_.palette().color(QPalette::Window));
  plotCurve(box, design_.curve);
  panels_.curveView()->setPicture(box);
}
