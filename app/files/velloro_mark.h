// The mark of a picture this program wrote: a text entry "Software" =
// "Velloro" (a PNG text chunk, a JPEG comment; in a WebP file, the XMP
// packet of files/webp_mark.h). Such a picture holds a design baked in, so
// it opens as a flat picture.
#pragma once

#include <QString>

class QImageWriter;

inline constexpr char velloroMarkKey[] = "Software";
inline constexpr char velloroMarkValue[] = "Velloro";

// Gives what `writer` writes the mark.
void putVelloroMark(QImageWriter& writer);

// Whether the PNG, JPEG or WebP file at `path` carries the mark.
bool carriesVelloroMark(const QString& path);
