// What changes every panel at once: switching the source kind and applying
// a style. What the user's clicks keep on leaving a material and an effect
// is kept first; the controls then follow the model.
#include <algorithm>

#include "design/design_state.h"
#include "design/source_kind_switch.h"
#include "design/style.h"
#include "design/style_design.h"
#include "files/failure.h"
#include "files/site_tags.h"
#include "main_window/tab_panels.h"
#include "platform/error_report.h"

void TabPanels::switchSourceKind(SourceKind previousKind) {
  DesignState& state = context_.design;
  DesignModel& model = state.model;
  const SourceKind kind = state.sourceKind;
  try {
    storeSourceKind(state, previousKind, context_.curvesFolder());
  } catch (const Failure&) {
    // Keeping the curve is best effort, as every curve save is: the
    // settings are stored by then and the switch goes on.
  }
  outside_->keepEffectSliders(previousKind);
  const KindControls controls = loadSourceKind(state, kind);
  setKind(model, Setting::FillKind, controls.fillKind);
  model.set(Setting::Effects, controls.effects);
  setKind(model, Setting::Deformation, std::clamp(velloro::toInt(controls.deformationType), 0, 2));
  model.set(Setting::DeformationAmount, controls.deformationAmount);
  // The material brings back the kind's own fill colour, its curve and its
  // curve axis; its fill preview keeps the colour in the kind's row.
  runTrapped(context_.platform, siteTag::frmMain_Picture3_MouseDown,
             [&] { edge_->showMaterial(model.style().material); });
  inside_->raisePattern(model.style().surfacePattern);
  if (controls.fillKind == FillKind::Texture && kind != previousKind &&
      !state.textureNames[kind].isEmpty())
    inside_->showTexture(state.textureNames[kind]);
}

void TabPanels::applyStyle(const Style& style, const QString& texturePath) {
  DesignState& state = context_.design;
  edge_->keepMaterialCurve();
  outside_->keepEffectSliders(state.sourceKind);
  ::applyStyle(style, state);
  if (style.fillKind == FillKind::Texture) {
    inside_->showTexture(texturePath);
    state.textureNames[state.sourceKind] = texturePath;
  }
  // A pattern or material pressed but not chosen shows raised until then.
  inside_->raisePattern(style.surfacePattern);
  edge_->raiseMaterial(style.material);
  inside_->drawFillPreview();
}
