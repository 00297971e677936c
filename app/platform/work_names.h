// Names for saved work: the name Save As proposes in the outputs folder, how
// Save tells a JPEG name, and the bitmap name made from a chosen one.
#pragma once

#include <QString>

class Platform;

// The first n for which neither MyWork<n>.bmp nor MyWork<n>.jpg is in
// `outputsFolder`; pending events run at each step.
int freeWorkNumber(const QString& outputsFolder, Platform& platform);

// Whether the name ends in "jpg" or "peg", in any case.
bool isJpegName(const QString& name);

// The chosen name with the extension of its file name replaced by ".bmp"
// ("logo.v2.jpg" gives "logo.v2.bmp"); ".bmp" is added when it has none, and
// a name ending in ".bmp" in any case stays as typed.
QString bitmapNameOf(const QString& chosen);
