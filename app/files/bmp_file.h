// 24-bit BMP files with the 54-byte header, the way pictures travel between
// the canvas and the engine's buffers: rows bottom-up, blue-green-red, each
// row padded to a multiple of 4 bytes.
#pragma once

#include <QByteArray>
#include <QColor>
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

// The picture's pixels in the buffer layout, as if saved as a BMP and read
// back: no file in between.
PictureBuffer pictureBufferOf(const QImage& image);

// A picture of `size` filled with `colour`, made in the buffer layout.
PictureBuffer plainPictureBuffer(QSize size, QColor colour);

// The picture held by the first stride x rows bytes of `buffer`; throws a
// Failure when the buffer is shorter than that.
QImage imageOfBuffer(const QByteArray& buffer, int32_t width, int32_t rows);

// The part `area` of that picture, without the rest (what of `area` lies
// outside the picture is left off). Throws a Failure as imageOfBuffer does.
QImage imageOfBufferPart(const QByteArray& buffer, int32_t width, int32_t rows, QRect area);

// Writes a BMP header for width x rows and the first stride x rows bytes of
// `buffer` as the file `path`.
void writeBmpFromBuffer(const QString& path, int32_t width, int32_t rows, const QByteArray& buffer);
