#include "design/source_kind_switch.h"

#include <QDir>
#include <algorithm>

#include "design/curve_file.h"
#include "design/design_state.h"

QString storedCurveName(SourceKind kind, int group) {
  return QStringLiteral("temp%1%2.txt").arg(velloro::toInt(kind)).arg(group);
}

CurveAxis& keptCurveAxis(DesignState& state, SourceKind kind, int group) {
  return state.curveAxisTable[kind][size_t(std::clamp(group, 1, materialGroupCount) - 1)];
}

void storeSourceKind(DesignState& state, SourceKind previousKind, const QString& curvesFolder) {
  const Style& current = state.model.style();
  const int group = materialGroup(current.material);
  keptCurveAxis(state, previousKind, group) = current.curveAxis;
  KindRow& row = state.kindSettings[previousKind];
  row.frameLeft = state.designFrame.left;
  row.frameTop = state.designFrame.top;
  row.surfacePattern = current.surfacePattern;
  row.fillKind = current.fillKind;
  // The panel shows one effect, the top one, until it shows the stack.
  row.effectType = current.effects.empty() ? EffectType::NoContour : current.effects.back().type;
  row.deformationType = current.deformationType;
  row.deformationAmount = current.deformationAmount;
  row.material = current.material;
  // The folder may have been removed while the program ran.
  QDir().mkpath(curvesFolder);
  writeCurveFile(curvesFolder + '/' + storedCurveName(previousKind, group), curvePoints(current));
}

KindControls loadSourceKind(DesignState& state, SourceKind kind) {
  const KindRow& row = state.kindSettings[kind];
  state.designFrame.left = row.frameLeft;
  state.designFrame.top = row.frameTop;
  setKind(state.model, Setting::SurfacePattern, row.surfacePattern);
  setKind(state.model, Setting::Material, row.material);
  return {row.fillKind, row.effectType, row.deformationType, row.deformationAmount};
}
