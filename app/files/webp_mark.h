// The program's mark in a WebP file. Qt's WebP writer keeps no text, so
// the mark goes in afterwards: an XMP packet naming Velloro as the creator
// tool, in the extended container (a "VP8X" header before the image, the
// "XMP " chunk after it), which every WebP decoder reads past.
#pragma once

#include <QByteArray>
#include <QSize>

class QIODevice;

// `webp` with the mark; a picture of `size` pixels. Bytes that are not a
// WebP file of one image come back as they are.
QByteArray markedWebp(const QByteArray& webp, QSize size);

// Whether the WebP file `file` reads from its start carries the mark. Only
// the chunk headers are read, and the XMP chunk if there is one.
bool webpCarriesMark(QIODevice& file);
