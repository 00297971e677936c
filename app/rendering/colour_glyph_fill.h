// The fill of a title that holds colour glyphs (emoji, colour fonts): the
// title's own fill (its colour, gradient or texture) with the glyphs
// painted over it in their colours, handed to the engine as its texture
// tile so its shading lights them like the rest of the relief.
#pragma once

#include <QImage>
#include <cstdint>

#include "files/bmp_file.h"

struct DesignState;

// The tile covers the mask from its top left corner, one tile pixel for
// density x density mask pixels as the engine lays it; one column wider
// than that, as the engine repeats a tile one column short of its width.
// The engine reads it from row 1 on (its row offset), column 0.
inline constexpr int32_t colourGlyphTileRowOffset = 1;

// The tile for a text mask `mask` printed at `density` pixels per design
// pixel, whose colour glyphs `colourGlyphs` (of the printed text, at the
// same density, over transparency) lie from its top left corner.
QImage colourGlyphFill(const DesignState& state, const PictureBuffer& mask,
                       const QImage& colourGlyphs, int32_t density);
