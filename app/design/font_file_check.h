// What the bytes of a font file are, read from its own headers before the
// font library sees them: a plain font (TrueType or OpenType), a collection
// of faces, or a web font (WOFF, WOFF2). A file that claims a format but
// whose tables or declared length run past its end is truncated.
#pragma once

#include <QByteArray>
#include <QString>

struct FontFileShape {
  QString problem;    // why the bytes are no usable font; empty when they are
  int faceCount = 0;  // faces the file holds: more than one only in a collection
};

FontFileShape fontFileShape(const QByteArray& bytes);
