#include "design/font_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <mutex>
#include <optional>
#include <variant>

#include "design/font_file_check.h"
#include "files/bounded_read.h"
#include "files/failure.h"

using namespace Qt::StringLiterals;

namespace {

AddedFont refused(const QString& problem) { return {-1, {}, problem, {}}; }

// The file's bytes, or why they cannot be read.
std::variant<QByteArray, QString> fileBytes(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return u"it is a folder, not a font file"_s;
  if (!info.exists()) return u"no such file"_s;
  if (!info.isFile()) return u"it is not a regular file"_s;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return u"cannot read: "_s + file.errorString();
  try {
    // Read with the limit itself: the size a file reports may change.
    if (std::optional<QByteArray> bytes = readRestWithin(file, largestFontFile)) return *bytes;
  } catch (const Failure& failure) {
    return u"cannot read: "_s + failure.description();
  }
  return u"the file is larger than %1 MB"_s.arg(largestFontFile >> 20);
}

// The fonts added so far, by their bytes and face: a style drawn again and
// again (each title of a batch, each request of the service) adds its file
// once, instead of piling up copies in the font database.
// A file added to the font database: its number there and the families of
// its faces, in their order.
struct AddedFile {
  int id = -1;
  QStringList families;
};

struct AddedFonts {
  std::mutex mutex;
  QHash<QByteArray, AddedFile> byContent;
};

AddedFonts& addedFonts() {
  static AddedFonts added;
  return added;
}

// The file of `bytes` in the font database, added at its first use.
std::optional<AddedFile> addedFile(const QByteArray& bytes) {
  const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
  AddedFonts& added = addedFonts();
  const std::lock_guard lock(added.mutex);
  if (const auto known = added.byContent.constFind(key); known != added.byContent.constEnd())
    return *known;
  const int id = QFontDatabase::addApplicationFontFromData(bytes);
  if (id < 0) return std::nullopt;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    QFontDatabase::removeApplicationFont(id);
    return AddedFile{};
  }
  return added.byContent[key] = AddedFile{id, families};
}

AddedFont addedFace(const QByteArray& bytes, int face) {
  const std::optional<AddedFile> file = addedFile(bytes);
  // The headers were sound: the font library found the rest damaged.
  if (!file) return refused(u"the font is damaged or of a kind this system cannot draw"_s);
  // A collection's faces are listed in their order; faces of one family share it.
  const QString family = file->families.value(std::min<qsizetype>(face, file->families.size() - 1));
  if (family.isEmpty()) return refused(u"the font names no family"_s);
  return {file->id, family, {}, bytes};
}

}  // namespace

FontFileName fontFileName(const QString& written) {
  static const QRegularExpression facePart(u"^(.+)#(\\d{1,3})$"_s);
  const QRegularExpressionMatch match = facePart.match(written);
  if (!match.hasMatch() || QFileInfo::exists(written)) return {written, 0};
  return {match.captured(1), match.captured(2).toInt()};
}

AddedFont addFontFile(const QString& written) {
  const FontFileName name = fontFileName(written);
  const std::variant<QByteArray, QString> read = fileBytes(name.path);
  if (const QString* problem = std::get_if<QString>(&read)) return refused(*problem);
  return addFontBytes(std::get<QByteArray>(read), name.face);
}

AddedFont addFontBytes(const QByteArray& bytes, int face) {
  const FontFileShape shape = fontFileShape(bytes);
  if (!shape.problem.isEmpty()) return refused(shape.problem);
  if (face >= shape.faceCount)
    return refused(
        u"the file has no face %1: it holds %2, counted from 0"_s.arg(face).arg(shape.faceCount));
  return addedFace(bytes, face);
}
