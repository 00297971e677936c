// What the tab panels hand to the render, the outside effect list, the
// swatches, and the panels' part of switching the source kind.
#include <QListWidget>
#include <QRadioButton>

#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/curve_drawing.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/failure.h"
#include "state/fill_preview.h"
#include "state/site_tags.h"
#include "state/source_kind_switch.h"
#include "state/text_picture.h"

namespace {

EffectSliders slidersOf(const TabPanels& panels, int effect) {
  EffectSliders sliders;
  const DesignState& state = design();
  switch (effect) {
    case effectType::DropShadow:
    case effectType::CastShadow:
      for (int k = 1; k <= 3; ++k) sliders.positions[k - 1] = panels.shadowSlider(k)->Value();
      break;
    case effectType::Engraved:
    case effectType::Raised: sliders.positions[0] = panels.SliderEngraved->Value(); break;
    case effectType::Glow:
      sliders.positions[0] = panels.SliderOutline->Value();
      sliders.colour = state.glowColour;
      break;
    default:
      sliders.positions[0] = panels.SliderOutline->Value();
      sliders.colour = state.outlineColour;
  }
  return sliders;
}

void setSliders(TabPanels& panels, int effect, const EffectSliders& sliders) {
  DesignState& state = design();
  switch (effect) {
    case effectType::DropShadow:
    case effectType::CastShadow:
      for (int k = 1; k <= 3; ++k) panels.shadowSlider(k)->setValue(sliders.positions[k - 1]);
      break;
    case effectType::Engraved:
    case effectType::Raised: panels.SliderEngraved->setValue(sliders.positions[0]); break;
    case effectType::Glow:
      state.glowColour = sliders.colour;
      panels.SliderOutline->setValue(sliders.positions[0]);
      break;
    default:
      state.outlineColour = sliders.colour;
      panels.SliderOutline->setValue(sliders.positions[0]);
  }
}

}  // namespace

PanelReadings FrmMain::panelReadings() const {
  PanelReadings readings;
  for (int k = 1; k <= 3; ++k) readings.shadowSliders[k - 1] = panels_->shadowSlider(k)->Value();
  readings.engravedSlider = panels_->SliderEngraved->Value();
  readings.outlineSlider = panels_->SliderOutline->Value();
  readings.deformSlider = panels_->SliderDeform->Value();
  readings.textureOption = panels_->Option3[1]->isChecked();
  readings.smoothingSize = frmTxt().Picture1.roundedFontSize();
  return readings;
}

// Leaving an effect keeps its sliders in the source kind's row; the effect
// chosen brings back its own.
void FrmMain::effectListClicked() {
  runTrapped(platform(), siteTag::frmMain_List3_Click, [this] {
    DesignState& state = design();
    const int previous = state.effectType;
    const int chosen = std::max(0, panels_->List3->currentRow());
    state.effectType = chosen;
    KindRow& row = state.kindSettings[state.sourceKind];
    if (previous != effectType::NoContour)
      storeEffectSliders(row, previous, slidersOf(*panels_, previous));
    if (chosen == effectType::NoContour) return;
    setSliders(*panels_, chosen, loadEffectSliders(row, chosen));
    showEffectControls(chosen);
  });
}

void FrmMain::switchSourceKind(int previousKind) {
  DesignState& state = design();
  const int kind = state.sourceKind;
  state.fillKind = panels_->Option3[1]->isChecked() ? 1 : 0;
  state.deformationAmount = panels_->SliderDeform->Value();
  try {
    storeSourceKind(state, previousKind, curvesFolder());
  } catch (const Failure&) {
    // Keeping the curve is best effort, as every curve save is: the
    // settings are stored by then and the switch goes on.
  }
  const KindControls controls = loadSourceKind(state, kind);
  panels_->Option3[controls.fillKind == 1 ? 1 : 0]->setChecked(true);

  state.sourceKind = previousKind;
  panels_->List3->setCurrentRow(effectType::NoContour);
  effectListClicked();
  state.sourceKind = kind;
  state.effectType = effectType::NoContour;
  panels_->List3->setCurrentRow(controls.effectType);
  effectListClicked();

  panels_->Option2[std::clamp(controls.deformationType, 0, 2)]->setChecked(true);
  panels_->SliderDeform->setValue(controls.deformationAmount);
  deformationClicked();
  // The material brings back the kind's own fill colour, its curve and its
  // curve axis; its fill preview keeps the colour in the kind's row.
  selectMaterial(state.material, restoreMaterialY);
  surfacePatternPressed(state.surfacePattern);
  if (controls.fillKind == 1 && kind != previousKind && !state.textureNames[kind].isEmpty())
    showTexture(state.textureNames[kind]);
}

void FrmMain::drawFillPreview() {
  QImage swatch = panels_->PicInside2[0]->picture();
  ::drawFillPreview(design(), swatch);
  panels_->PicInside2[0]->setPicture(swatch);
}

void FrmMain::drawCurveBox() {
  QImage box = panels_->PicBezier->picture();
  drawCurveFrame(box, design().curve, palette().color(QPalette::Window));
  plotCurve(box, design().curve);
  panels_->PicBezier->setPicture(box);
}
