// Feeds arbitrary bytes to the font-file reader as a file: it must add the
// font and name its family, or refuse it with a cause, nothing else. An
// added font is removed again, so the run's fonts do not pile up.
#include <QFontDatabase>
#include <QGuiApplication>

#include "design/font_file.h"
#include "design/font_file_check.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  const AddedFont added = addFontFile(path);
  if ((added.id < 0) == added.problem.isEmpty()) std::abort();
  if (added.id >= 0 && added.family.isEmpty()) std::abort();
  if (added.id >= 0 && !QFontDatabase::removeApplicationFont(added.id)) std::abort();
  // What the reader let through had sound headers.
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (added.id >= 0 && !fontFileShape(bytes).problem.isEmpty()) std::abort();
  return 0;
}
