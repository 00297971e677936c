// A glyph's outline, as FreeType gives it at one pixel per font unit, made
// a TrueType glyph: quadratic curves stay as they are, a PostScript font's
// cubic curves become a few quadratic ones each, within a quarter of a unit.
#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

struct FT_Outline_;

struct TrueTypeGlyph {
  QByteArray record;  // the glyph's entry of the glyf table; empty for a blank glyph
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  int points = 0;
  int contours = 0;
};

// The glyph, or why it cannot be one (too many points, out of range).
std::variant<TrueTypeGlyph, QString> trueTypeGlyph(const FT_Outline_& outline);
