// Encoding a rendered picture in the format of its file name and writing it
// so that a failure leaves no partial file behind.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "files/file_writing.h"

// The bytes of `picture` as "png", "webp", "jpg" or "bmp" (the program's own
// 24-bit BMP). Quality 0..100 applies to jpg and webp; none leaves webp
// lossless. Throws a Failure when the format cannot be written.
QByteArray encodedPicture(const QImage& picture, const QString& format, std::optional<int> quality);

// Encodes `picture` by the extension of `path` and replaces `path` with it;
// throws a Failure, leaving any earlier file as it was.
void writePicture(const QImage& picture, const QString& path, std::optional<int> quality,
                  FinalLink finalLink = FinalLink::FollowWhereSafe);
