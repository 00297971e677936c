// The "Edge" panel: choosing the material. Each source kind keeps a curve
// and a curve axis per material group, so leaving a material keeps them
// and choosing one brings back what the kind had there; steel and gold
// bring their own curve and colour.
#include <QDir>
#include <QFileInfo>

#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/curve_file.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/failure.h"
#include "state/material_table.h"
#include "state/site_tags.h"
#include "state/source_kind_switch.h"

QString FrmMain::curvesFolder() const { return programFolder_ + QStringLiteral("/curves"); }

void FrmMain::selectMaterial(int index, int pointerY) {
  runTrapped(platform(), siteTag::frmMain_Picture3_MouseDown, [&] {
    DesignState& state = design();
    state.fillColour = state.kindSettings[state.sourceKind].fillColour;
    if (pointerY != restoreMaterialY) {
      keepMaterialCurve();
      state.material = index;
    }
    state.curveAxis = keptCurveAxis(state, state.sourceKind, materialGroup(index));
    panels_->selectCurveAxis(state.curveAxis);
    loadMaterialCurve(index);
    drawFillPreview();
    panels_->raiseMaterial(index);
  });
}

// Keeping the curve is best effort, as every stored curve is: a curve that
// cannot be written leaves the kind with the preset curve next time.
void FrmMain::keepMaterialCurve() {
  DesignState& state = design();
  const int group = materialGroup(state.material);
  keptCurveAxis(state, state.sourceKind, group) = state.curveAxis;
  try {
    QDir().mkpath(curvesFolder());
    writeCurveFile(curvesFolder() + '/' + storedCurveName(state.sourceKind, group), state.curve);
  } catch (const Failure&) {
  }
}

void FrmMain::loadMaterialCurve(int material) {
  DesignState& state = design();
  QString name = QStringLiteral("default.txt");
  if (const std::optional<MaterialLook>& look = materialRow(material).ownLook) {
    state.curveAxis = velloro::toInt(look->axis);
    panels_->selectCurveAxis(state.curveAxis);
    state.fillColour = look->fillColour;
    name = look->curveFile;
  } else if (const QString stored = storedCurveName(state.sourceKind, 1);
             QFileInfo::exists(curvesFolder() + '/' + stored)) {
    name = stored;
  }
  loadCurve(state.curve, name, curvesFolder(), platform());
  drawCurveBox();
}
