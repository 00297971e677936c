// Feeds arbitrary bytes to the picture loader as a file: it must load a
// picture within the size limits or throw a Failure, nothing else.
#include <QGuiApplication>

#include "files/failure.h"
#include "files/picture_limits.h"
#include "files/picture_loading.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  try {
    const QImage picture = loadPicture(path);
    if (!withinPictureLimits(picture.width(), picture.height())) std::abort();
  } catch (const Failure&) {
  }
  return 0;
}
