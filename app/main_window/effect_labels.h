// The texts of the value labels beside the sliders of the "Outside" and
// "Deformation" panels. Slider positions run 0..100; each label turns a
// position into what it means for the effect.
#pragma once

#include <QString>
#include <optional>

// "integer part of v / 2, times 2" followed by " %": opacity and widths.
QString percentLabel(int value);

// What a shadow slider's label pair shows for the effect selected.
struct ShadowLabels {
  QString value;                  // `Label2` (k)
  std::optional<QString> first;   // `Label1` (1), when the effect names it
  std::optional<QString> second;  // `Label1` (2)
};

// The labels of shadow slider k (1..3) at value v with `effect` selected;
// none when the slider means nothing to that effect.
std::optional<ShadowLabels> shadowLabels(int k, int value, int effect);

// `LabelDef2` for deformation type 1 "Rotate" or 2 "Curve"; none for "No",
// which leaves the label as it is.
std::optional<QString> deformationLabel(int deformationType, int value);
