// Whether a picture file holds all the data its own structure announces.
// The decoders pad a picture whose data ends early; the program refuses such
// a file instead of showing made-up rows.
#pragma once

#include <QByteArray>

// `format` as QImageReader names it ("bmp", "jpeg", "png", "gif"); other
// formats are taken as complete.
bool isCompletePicture(const QByteArray& bytes, const QByteArray& format);
