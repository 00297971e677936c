// Whether a picture file holds all the data its own structure announces.
// The decoders pad a picture whose data ends early; the program refuses such
// a file instead of showing made-up rows. Each check walks the file's own
// structure (segments, chunks, blocks) to its proper end, so an end mark
// that merely appears somewhere inside (a thumbnail's, a comment's) is not
// taken for the end of the picture.
#pragma once

#include <QByteArray>

// `format` as QImageReader names it ("bmp", "jpeg", "png", "gif", "webp");
// other formats are never taken as complete.
bool isCompletePicture(const QByteArray& bytes, const QByteArray& format);
