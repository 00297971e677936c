// The "Edge" panel: choosing the material. Each source kind keeps a curve
// and a curve axis per material group, so leaving a material keeps them
// and choosing one brings back what the kind had there; steel and gold
// bring their own curve and colour.
#include <QDir>
#include <QFileInfo>

#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/material_table.h"
#include "design/source_kind_switch.h"
#include "files/failure.h"
#include "files/site_tags.h"
#include "main_window/design_panels.h"
#include "main_window/tab_panels.h"
#include "platform/error_report.h"
#include "platform/platform.h"

QString DesignPanels::curvesFolder() const { return programFolder_ + QStringLiteral("/curves"); }

void DesignPanels::selectMaterial(Material material) {
  runTrapped(platform_, siteTag::frmMain_Picture3_MouseDown, [&] {
    keepMaterialCurve();
    setKind(design_.model, Setting::Material, material);
    showMaterial(material);
  });
}

void DesignPanels::showMaterial(Material material) {
  DesignState& state = design_;
  state.model.set(Setting::FillColour,
                  styleColour(state.kindSettings[state.sourceKind].fillColour));
  setKind(state.model, Setting::CurveAxis,
          keptCurveAxis(state, state.sourceKind, materialGroup(material)));
  loadMaterialCurve(material);
  drawFillPreview();
  panels_.raiseMaterial(material);
}

// Keeping the curve is best effort, as every stored curve is: a curve that
// cannot be written leaves the kind with the preset curve next time.
void DesignPanels::keepMaterialCurve() {
  DesignState& state = design_;
  const Style& current = state.model.style();
  const int group = materialGroup(current.material);
  keptCurveAxis(state, state.sourceKind, group) = current.curveAxis;
  try {
    QDir().mkpath(curvesFolder());
    writeCurveFile(curvesFolder() + '/' + storedCurveName(state.sourceKind, group),
                   curvePoints(current));
  } catch (const Failure&) {
  }
}

void DesignPanels::loadMaterialCurve(Material material) {
  DesignState& state = design_;
  QString name = QStringLiteral("default.txt");
  if (const std::optional<MaterialLook>& look = materialRow(material).ownLook) {
    setKind(state.model, Setting::CurveAxis, look->axis);
    state.model.set(Setting::FillColour, styleColour(look->fillColour));
    name = look->curveFile;
  } else if (const QString stored = storedCurveName(state.sourceKind, 1);
             QFileInfo::exists(curvesFolder() + '/' + stored)) {
    name = stored;
  }
  CurvePoints curve = curvePoints(state.model.style());
  if (loadCurve(curve, name, curvesFolder(), platform_)) setCurve(state.model, curve);
  drawCurveBox();
}
