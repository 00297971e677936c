// The mark of a picture this program wrote: a text entry "Software" =
// "Velloro" (a PNG text chunk, a JPEG comment). Such a picture holds a
// design baked in, so it opens as a flat picture. WebP keeps no text
// through Qt's writer and stays unmarked.
#pragma once

#include <QString>

class QImageWriter;

inline constexpr char velloroMarkKey[] = "Software";
inline constexpr char velloroMarkValue[] = "Velloro";

// Gives what `writer` writes the mark.
void putVelloroMark(QImageWriter& writer);

// Whether the PNG or JPEG file at `path` carries the mark.
bool carriesVelloroMark(const QString& path);
