// Feeds arbitrary bytes to the font-file reader as a file: it must add the
// font and name its family, or refuse it with a cause, nothing else; the
// same bytes again give the same font. Each added font is removed after.
#include <QFontDatabase>
#include <QGuiApplication>

#include "design/font_file.h"
#include "design/font_file_check.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: at the exit of a fuzz run the application would
  // remove the added fonts after Qt's thread storage is gone.
  new QGuiApplication(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  const AddedFont added = addFontFile(path);
  if ((added.id < 0) == added.problem.isEmpty()) std::abort();
  if (added.id >= 0 && added.family.isEmpty()) std::abort();
  if (added.id < 0) return 0;
  // What the reader let through had sound headers, and is added once.
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (!fontFileShape(bytes).problem.isEmpty()) std::abort();
  if (addFontFile(path).id != added.id) std::abort();
  // Removed again, so that the fonts of a long run do not fill the memory;
  // the reader's record of these bytes is all that stays (bytes seen again
  // give that record, whose font is gone by then).
  QFontDatabase::removeApplicationFont(added.id);
  return 0;
}
