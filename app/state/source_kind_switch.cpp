#include "state/source_kind_switch.h"

#include "state/curve_file.h"
#include "state/design_state.h"

int materialGroup(int material) {
  if (material == 6) return 2;
  if (material == 7) return 3;
  return 1;
}

QString storedCurveName(int kind, int group) {
  return QStringLiteral("temp%1%2.txt").arg(kind).arg(group);
}

void storeSourceKind(DesignState& state, int previousKind, const QString& curvesFolder) {
  using namespace kindColumn;
  const int group = materialGroup(state.material);
  state.curveAxisTable[previousKind][group] = state.curveAxis;
  KindRow& row = state.kindSettings[previousKind];
  row[FrameLeft] = state.designFrame.left;
  row[FrameTop] = state.designFrame.top;
  row[SurfacePattern] = state.surfacePattern;
  row[FillKind] = state.fillKind;
  row[EffectType] = state.effectType;
  row[DeformationType] = state.deformationType;
  row[DeformationAmount] = state.deformationAmount;
  row[Material] = state.material;
  writeCurveFile(curvesFolder + '/' + storedCurveName(previousKind, group), state.curve);
}

KindControls loadSourceKind(DesignState& state, int kind) {
  using namespace kindColumn;
  KindRow& row = state.kindSettings[kind];
  state.designFrame.left = row[FrameLeft];
  state.designFrame.top = row[FrameTop];
  state.surfacePattern = row[SurfacePattern];
  state.material = row[Material];
  return {row[FillKind], row[EffectType], row[DeformationType], row[DeformationAmount]};
}
