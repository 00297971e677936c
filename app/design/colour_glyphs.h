// Colour glyphs (emoji, colour fonts) in a printed title. They print in
// their own colours whatever the pen, so a title printed once with a black
// pen and once with a white one shows them, and only them, alike in both.
// The relief takes their shape from the mask and their colours from a fill
// laid under the engine's shading.
#pragma once

#include <QImage>

// Whether a title printed in black on white (RGB888) holds a pixel that is
// not grey: one a colour glyph printed.
bool holdsColouredPixels(const QImage& printed);

// The pixels that two prints of one title on transparency agree on, the
// one with a black pen and the other with a white pen; transparent
// elsewhere. Null when they agree on no visible pixel: the coloured pixels
// were a letter's (a screen font's coloured edges).
QImage colourGlyphsOf(const QImage& inBlack, const QImage& inWhite);

// Inks the colour glyphs into `printed` (the same title in black on white,
// RGB888, from its top left corner) as a black pen would: each of their
// pixels as dark as it is opaque, so a glyph's light colours are ink as
// much as its dark ones.
void inkColourGlyphs(QImage& printed, const QImage& colourGlyphs);
