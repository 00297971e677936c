// Loading a picture file (BMP, JPEG, GIF, PNG or WebP) as a 24-bit canvas image.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "files/picture_limits.h"

// Transparent parts come out white. Throws a Failure: the file's own error
// when it cannot be opened or read, 50003 when its content is no picture of
// those formats, its data ends early, or it is beyond `limits` (refused from
// its header, before its pixels are allocated). The file is read with a
// limit, whatever size it reports, so a pipe or a device cannot exhaust the
// memory.
QImage loadPicture(const QString& path, const PictureLimits& limits = {});

// `picture` as a 24-bit image, its transparent parts white, as loaded pictures
// come out.
QImage opaqueOnWhite(const QImage& picture);

// As loadPicture, its transparent parts in `background` instead: the picture
// tool keys them away with its transparent colour.
QImage loadPictureOver(const QString& path, const QColor& background);

// `picture` as a 24-bit image, its transparent parts in `background`.
QImage opaqueOn(const QImage& picture, const QColor& background);

// Whether the picture file keeps more than 8 bits a channel (a 16-bit PNG):
// the canvas holds 8, so such a picture loses detail when it is opened.
// Reads the header alone; a file that is not a plain file counts as no.
bool hasDeepChannels(const QString& path);
