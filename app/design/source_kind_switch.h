// The data side of switching the source kind: what is stored into the row of
// the kind left and loaded from the row of the kind chosen. Pressing the
// window's controls in between is the main window's part.
#pragma once

#include <QString>

#include "design/kind_settings.h"
#include "design/material_table.h"

struct DesignState;

// "temp" + kind + group + ".txt": the curve kept for a kind and material group.
QString storedCurveName(SourceKind kind, int group);

// The curve axis `kind` keeps for material group `group` (1..3).
CurveAxis& keptCurveAxis(DesignState& state, SourceKind kind, int group);

// Stores the current settings into the row of `previousKind`: frame, pattern,
// fill kind, effect stack, deformation type and amount, material, and the
// curve axis of the current material group. Then writes the current curve
// into that kind's stored curve file in `curvesFolder`, which is made first
// when missing (throws a Failure when it cannot; the settings are stored by
// then).
void storeSourceKind(DesignState& state, SourceKind previousKind, const QString& curvesFolder);

// What the main window shows through its controls for the kind chosen.
struct KindControls {
  FillKind fillKind = FillKind::Colour;
  EffectStack effects;
  DeformationType deformationType = DeformationType::None;
  int deformationAmount = 0;
};

// Loads the frame position, surface pattern and material of `kind` into the
// current settings and returns the values for the controls. The kind's own
// fill colour stays in its row: choosing its material brings it back.
KindControls loadSourceKind(DesignState& state, SourceKind kind);
