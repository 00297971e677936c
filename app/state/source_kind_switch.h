// The data side of switching the source kind: what is stored into the row of
// the kind left and loaded from the row of the kind chosen. Pressing the
// window's controls in between is the main window's part.
#pragma once

#include <QString>

struct DesignState;

// 1 for materials 0..5, 2 for steel (6), 3 for gold (7).
int materialGroup(int material);

// "temp" + kind + group + ".txt": the curve kept for a kind and material group.
QString storedCurveName(int kind, int group);

// Stores the current settings into the row of `previousKind`: frame, pattern,
// fill kind, effect type, deformation type and amount, material, and the
// curve axis of the current material group. Then writes the current curve
// into that kind's stored curve file in `curvesFolder` (throws a Failure when
// it cannot; the settings are stored by then).
void storeSourceKind(DesignState& state, int previousKind, const QString& curvesFolder);

// What the main window shows through its controls for the kind chosen.
struct KindControls {
  int fillKind = 0;
  int effectType = 0;
  int deformationType = 0;
  int deformationAmount = 0;
};

// Loads the frame position, surface pattern and material of `kind` into the
// current settings and returns the values for the controls. The kind's own
// fill colour stays in its row: choosing its material brings it back.
KindControls loadSourceKind(DesignState& state, int kind);
