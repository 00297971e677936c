// Feeds arbitrary bytes to the working-file BMP reader, and what it accepts
// on to the conversion into a picture: both either succeed within the buffer
// they were given or throw a Failure.
#include <cstdlib>

#include "files/bmp_file.h"
#include "files/failure.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  try {
    const PictureBuffer buffer = readPictureBuffer(path);
    const QImage picture = imageOfBuffer(buffer.bytes, buffer.width, buffer.rows);
    if (picture.width() != buffer.width || picture.height() != buffer.rows) std::abort();
  } catch (const Failure&) {
  }
  return 0;
}
