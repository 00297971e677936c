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
    default: break;
  }
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
  panels_.outside().keepEffectSliders(previousKind);
  const KindControls controls = loadSourceKind(state, kind);
  setKind(model, Setting::FillKind, controls.fillKind);
  // The kind's own effect comes back with its own sliders, even when the
  // kind left had the same effect.
  setKind(model, Setting::Effect, EffectType::NoContour);
  panels_.outside().chooseEffect(controls.effectType);
  setKind(model, Setting::Deformation, std::clamp(velloro::toInt(controls.deformationType), 0, 2));
  model.set(Setting::DeformationAmount, controls.deformationAmount);
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
