// 24-bit BMP files with the 54-byte header, the way pictures travel between
// the canvas and the engine's buffers: rows bottom-up, blue-green-red, each
// row padded to a multiple of 4 bytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

inline constexpr int bmpHeaderSize = 54;

// Bytes per row of a picture `width` pixels wide: 3 x width raised to the
// next multiple of 4.
int32_t strideOf(int32_t width);

QByteArray bmpHeader(int32_t width, int32_t rows);
QByteArray bmpFileBytes(const QImage& image);

// Writes `image` as a 24-bit BMP; throws a Failure, leaving any older file.
void saveBmp(const QImage& image, const QString& path);

struct PictureBuffer {
  QByteArray bytes;  // the file after its header, plus one trailing 0 byte
  int32_t width = 0;
  int32_t rows = 0;
  int32_t stride = 0;
};

// Reads a 24-bit BMP of this program's own layout into a buffer of L - 53
// bytes (L the file length): the bytes from offset 54 on, then a 0. Throws a
// Failure for a missing, truncated or foreign file.
PictureBuffer readPictureBuffer(const QString& path);

// Writes a BMP header for width x rows and the first stride x rows bytes of
// `buffer` as the file `path`.
void writeBmpFromBuffer(const QString& path, int32_t width, int32_t rows, const QByteArray& buffer);
