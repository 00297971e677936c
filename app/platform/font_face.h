// Names the installed face that a font's bold and italic settings stand for.
#pragma once

#include <QFont>

// The font dialog preselects its style list by the font's style string; for
// families whose faces are not called "Normal", "Bold" and "Italic" (Book,
// Demi, Oblique, condensed siblings) it then falls back to another face. This
// returns the font with the style name of the closest installed face: same
// slant, nearest weight.
QFont withFaceStyleName(const QFont& font);
