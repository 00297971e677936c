// A variable font's variation tables read from their own headers before
// the font library uses them: what FreeType finds damaged there it passes
// over in silence, drawing the font at its default, where the user must be
// told.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct VariationTables {
  std::optional<QByteArray> fvar;  // the axes and named instances
  std::optional<QByteArray> gvar;  // TrueType outlines' variations
  std::optional<QByteArray> avar;  // the axes' own mapping
  int glyphCount = 0;
  std::optional<QByteArray> mvar = {};  // the metrics' variations: line spacing, x-height, ...
  std::optional<QByteArray> hvar = {};  // the advances' variations
};

// Which table is damaged ("the font's variation table 'gvar' is damaged"),
// or empty when every table the font has lies within its length and agrees
// with the others on the number of axes and glyphs.
QString variationTablesProblem(const VariationTables& tables);
