// Feeds arbitrary bytes to the font-file reader as a file: it must add the
// font and name its family, or refuse it with a cause, nothing else; the
// same bytes again give the same font. A variable font's instances are
// made static fonts; any face with sound headers is made one at its
// default too, which must be a sound font itself. Each added font is
// removed after.
#include <QFontDatabase>
#include <QGuiApplication>

#include "design/font_file.h"
#include "design/font_file_check.h"
#include "design/font_instances.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: at the exit of a fuzz run the application would
  // remove the added fonts after Qt's thread storage is gone.
  new QGuiApplication(*argc, *argv);
  return 0;
}

namespace {

// The face made a static font is a TrueType font again, which makes the
// same font once more.
void checkStaticFont(const QByteArray& bytes) {
  const InstanceNaming naming{QStringLiteral("Fuzz"), QStringLiteral("Regular")};
  const std::variant<QByteArray, QString> made = staticFontOf(bytes, 0, 0, naming);
  if (const QString* problem = std::get_if<QString>(&made)) {
    if (problem->isEmpty()) std::abort();
    return;
  }
  const QByteArray& font = std::get<QByteArray>(made);
  if (!fontFileShape(font).problem.isEmpty()) std::abort();
  const std::variant<QByteArray, QString> again = staticFontOf(font, 0, 0, naming);
  if (!std::holds_alternative<QByteArray>(again)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  const AddedFont added = addFontFile(path);
  if ((added.id < 0) == added.problem.isEmpty()) std::abort();
  if (added.id >= 0 && added.family.isEmpty()) std::abort();
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (fontFileShape(bytes).problem.isEmpty()) checkStaticFont(bytes);
  if (added.id < 0) return 0;
  // What the reader let through had sound headers, and is added once.
  if (!fontFileShape(bytes).problem.isEmpty()) std::abort();
  if (addFontFile(path).id != added.id) std::abort();
  // Each instance's family is a family of the fonts made for the instances
  // while the file's fonts are there (not for bytes seen before, whose fonts
  // were removed). Asked of those fonts alone: the list of every family would
  // read all the system's fonts again after each added one.
  if (!QFontDatabase::applicationFontFamilies(added.id).isEmpty()) {
    QStringList made;
    for (const int id : added.instanceIds) made << QFontDatabase::applicationFontFamilies(id);
    for (const QString& family : added.instanceFamilies)
      if (!made.contains(family)) std::abort();
  }
  // Removed again, so that the fonts of a long run do not fill the memory;
  // the reader's record of these bytes is all that stays (bytes seen again
  // give that record, whose font is gone by then).
  QFontDatabase::removeApplicationFont(added.id);
  for (const int id : added.instanceIds) QFontDatabase::removeApplicationFont(id);
  return 0;
}
