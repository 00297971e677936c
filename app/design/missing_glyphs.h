// The characters of a title that no font draws, neither the design's own nor
// any the system falls back on: each would be printed as an empty box, and
// nobody would be told until the picture is seen.
#pragma once

#include <QList>
#include <QString>

class QFont;
class QPaintDevice;

// Each such character of `text` once, in the order of its first use, as
// shaped in `font` for `device`.
QList<char32_t> charactersWithoutGlyph(const QFont& font, const QString& text,
                                       const QPaintDevice* device);

// "no font draws 'न' (U+0928), '🍰' (U+1F370)": the message of a title
// whose characters are not drawn.
QString missingGlyphsText(const QList<char32_t>& characters);
