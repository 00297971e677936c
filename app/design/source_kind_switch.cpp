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
  const int group = materialGroup(state.material);
  keptCurveAxis(state, previousKind, group) = state.curveAxis;
  KindRow& row = state.kindSettings[previousKind];
  row.frameLeft = state.designFrame.left;
  row.frameTop = state.designFrame.top;
  row.surfacePattern = state.surfacePattern;
  row.fillKind = state.fillKind;
  row.effectType = state.effectType;
  row.deformationType = state.deformationType;
  row.deformationAmount = state.deformationAmount;
  row.material = state.material;
  // The folder may have been removed while the program ran.
  QDir().mkpath(curvesFolder);
  writeCurveFile(curvesFolder + '/' + storedCurveName(previousKind, group), state.curve);
}

KindControls loadSourceKind(DesignState& state, SourceKind kind) {
  const KindRow& row = state.kindSettings[kind];
  state.designFrame.left = row.frameLeft;
  state.designFrame.top = row.frameTop;
  state.surfacePattern = row.surfacePattern;
  state.material = row.material;
  return {row.fillKind, row.effectType, row.deformationType, row.deformationAmount};
}
