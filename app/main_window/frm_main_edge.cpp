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
#include "state/site_tags.h"
#include "state/source_kind_switch.h"

namespace {

constexpr int steel = 6;
constexpr int gold = 7;
constexpr int leftToRight = 1;

}  // namespace

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
  if (material == steel || material == gold) {
    state.curveAxis = leftToRight;
    panels_->selectCurveAxis(leftToRight);
    state.fillColour = material == gold ? Rgb{204, 177, 24} : Rgb{128, 128, 128};
    name = material == gold ? QStringLiteral("gold.txt") : QStringLiteral("steel.txt");
  } else if (const QString stored = storedCurveName(state.sourceKind, 1);
             QFileInfo::exists(curvesFolder() + '/' + stored)) {
    name = stored;
  }
  loadCurve(state.curve, name, curvesFolder(), platform());
  drawCurveBox();
}
