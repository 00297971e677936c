// The program's own PNG encoder for titles and web exports. Qt's writer
// tries every row filter on every row and keeps the best, which costs as
// much as the compression itself; titles are mostly even areas, where the
// "up" filter alone packs them as small, at half the time.
#pragma once

#include <QByteArray>
#include <QImage>

// The PNG file bytes of `picture`: RGB when it has no alpha channel, else
// RGBA without premultiplication; deflated at zlib's default level; with
// this program's mark (files/velloro_mark.h). Throws a Failure when the picture is empty or zlib
// cannot compress.
QByteArray pngFileBytes(const QImage& picture);
