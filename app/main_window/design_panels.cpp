// What the tab panels show of the model, the outside effect list, the
// swatches, and the panels' part of switching the source kind.
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>

#include "design/curve_drawing.h"
#include "design/design_state.h"
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

void check(QRadioButton* button) {
  if (!button->isChecked()) button->setChecked(true);
}

}  // namespace

// The panel shows one effect until it shows the stack: the top entry.
EffectType panelEffect(const Style& style) {
  return style.effects.empty() ? EffectType::NoContour : style.effects.back().type;
}

// A control set to what it shows already is left alone, so that no
// control's own signal runs for a setting that did not change there.
void DesignPanels::showSetting(Setting setting) {
  const Style& style = design_.model.style();
  switch (setting) {
    case Setting::FillKind: check(panels_.fillSourceButtons()[size_t(style.fillKind)]); break;
    case Setting::GradientStops:
    case Setting::GradientAngle: panels_.showGradientPreview(fillGradient(style)); break;
    case Setting::SurfacePattern: panels_.raisePattern(style.surfacePattern); break;
    case Setting::CurveAxis: panels_.selectCurveAxis(style.curveAxis); break;
    case Setting::CurvePositions:
    case Setting::CurveValues: drawCurveBox(); break;
    case Setting::Material: panels_.raiseMaterial(style.material); break;
    case Setting::Effects: {
      const EffectType shown = panelEffect(style);
      const int row = velloro::toInt(shown);
      if (panels_.effectList()->currentRow() != row) panels_.effectList()->setCurrentRow(row);
      if (shown == EffectType::NoContour) break;
      // The values the effect brought may be those its sliders showed for another.
      showEffectValues();
      showEffectControls(shown);
      if (outsideEffect(shown).colour != EffectColour::None)
        panels_.paintOutlineButton(QColor(style.effects.back().colour.red,
                                          style.effects.back().colour.green,
                                          style.effects.back().colour.blue));
      break;
    }
    case Setting::Deformation:
      check(panels_.deformationButtons()[size_t(velloro::toInt(style.deformationType))]);
      updateDeformationLabel();
      break;
    case Setting::DeformationAmount:
      if (panels_.deformSlider()->Value() != style.deformationAmount)
        panels_.deformSlider()->setValue(style.deformationAmount);
      break;
    default: break;
  }
}

void DesignPanels::showEffectValues() {
  const Style& style = design_.model.style();
  if (style.effects.empty()) return;
  const EffectEntry& top = style.effects.back();
  const std::vector<TrackSlider*> shown = panels_.effectSliders(outsideEffect(top.type).sliders);
  for (size_t i = 0; i < shown.size(); ++i)
    if (shown[i]->Value() != top.values[i]) shown[i]->setValue(top.values[i]);
}

// A slider writes the model only while its group is the effect's: the
// other groups' sliders stand hidden.
void DesignPanels::effectSliderMoved(SliderGroup group, size_t index, int value) {
  const Style& style = design_.model.style();
  if (outsideEffect(panelEffect(style)).sliders != group) return;
  EffectEntry top = style.effects.back();
  top.values[index] = value;
  setEffectEntry(design_.model, int(style.effects.size()) - 1, top);
}

void DesignPanels::keepEffectSliders(SourceKind kind) {
  const Style& style = design_.model.style();
  if (style.effects.empty()) return;
  const EffectEntry& top = style.effects.back();
  storeEffectSliders(design_.kindSettings[kind], top.type, {top.values, entryRgb(top)});
}

// Leaving an effect keeps its sliders in the source kind's row; the effect
// chosen brings back its own.
void DesignPanels::chooseEffect(EffectType chosen) {
  DesignModel& model = design_.model;
  keepEffectSliders(design_.sourceKind);
  EffectStack stack = effectStackOf(chosen);
  if (!stack.empty()) {
    const EffectSliders kept = loadEffectSliders(design_.kindSettings[design_.sourceKind], chosen);
    stack.back().values = kept.positions;
    if (outsideEffect(chosen).colour != EffectColour::None)
      stack.back().colour = styleColour(kept.colour);
  }
  model.set(Setting::Effects, stack);
}

void DesignPanels::effectListClicked() {
  runTrapped(platform_, siteTag::frmMain_List3_Click,
             [this] { chooseEffect(EffectType{std::max(0, panels_.effectList()->currentRow())}); });
}

void DesignPanels::switchSourceKind(SourceKind previousKind) {
  DesignState& state = design_;
  DesignModel& model = state.model;
  const SourceKind kind = state.sourceKind;
  try {
    storeSourceKind(state, previousKind, curvesFolder());
  } catch (const Failure&) {
    // Keeping the curve is best effort, as every curve save is: the
    // settings are stored by then and the switch goes on.
  }
  keepEffectSliders(previousKind);
  const KindControls controls = loadSourceKind(state, kind);
  setKind(model, Setting::FillKind, controls.fillKind);
  // The kind's own effect comes back with its own sliders, even when the
  // kind left had the same effect.
  model.set(Setting::Effects, EffectStack{});
  chooseEffect(controls.effectType);
  setKind(model, Setting::Deformation, std::clamp(velloro::toInt(controls.deformationType), 0, 2));
  model.set(Setting::DeformationAmount, controls.deformationAmount);
  updateDeformationLabel();
  // The material brings back the kind's own fill colour, its curve and its
  // curve axis; its fill preview keeps the colour in the kind's row.
  runTrapped(platform_, siteTag::frmMain_Picture3_MouseDown,
             [&] { showMaterial(model.style().material); });
  panels_.raisePattern(model.style().surfacePattern);
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
  const CurvePoints curve = curvePoints(design_.model.style());
  drawCurveFrame(box, curve, panels_.palette().color(QPalette::Window));
  plotCurve(box, curve);
  panels_.curveView()->setPicture(box);
}
