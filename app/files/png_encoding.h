// The program's own PNG encoder for titles and web exports. Qt's writer
// tries every row filter on every row and keeps the best, which costs as
// much as the compression itself; titles are mostly even areas, where the
// "up" filter alone packs them as small, at half the time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// What marks a picture as written by this program, in a text chunk: such
// a picture holds a design baked in, so it opens as a flat picture.
inline constexpr char velloroMarkKey[] = "Software";
inline constexpr char velloroMarkValue[] = "Velloro";

// The PNG file bytes of `picture`: RGB when it has no alpha channel, else
// RGBA without premultiplication; deflated at zlib's default level; marked
// as this program's. Throws a Failure when the picture is empty or zlib
// cannot compress.
QByteArray pngFileBytes(const QImage& picture);

// Whether the file at `path` is a PNG picture with this program's mark.
bool carriesVelloroMark(const QString& path);
