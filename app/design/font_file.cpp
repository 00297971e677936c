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
#include "design/font_instances.h"
#include "files/bounded_read.h"
#include "files/failure.h"

using namespace Qt::StringLiterals;

namespace {

AddedFont refused(const QString& problem) { return {-1, {}, problem, {}, {}, {}}; }

}  // namespace

std::variant<QByteArray, QString> fontFileBytes(const QString& path) {
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

namespace {

// The fonts added so far, by their bytes and face: a style drawn again and
// again (each title of a batch, each request of the service) adds its file
// once, instead of piling up copies in the font database.
// A file added to the font database: its number there and the families of
// its faces, in their order.
struct AddedFile {
  int id = -1;
  QStringList families;
  QStringList instanceFamilies;
  QList<int> instanceIds;
};

struct AddedFonts {
  std::mutex mutex;
  QHash<QByteArray, AddedFile> byContent;
};

AddedFonts& addedFonts() {
  static AddedFonts added;
  return added;
}

const QString damagedFont = u"the font is damaged or of a kind this system cannot draw"_s;

void removeFonts(const AddedFile& file) {
  QFontDatabase::removeApplicationFont(file.id);
  for (const int id : file.instanceIds) QFontDatabase::removeApplicationFont(id);
}

// The fonts of the named instances of each face of `file`, added to it; or
// why they cannot be.
QString addInstances(const QByteArray& bytes, int faceCount, AddedFile& file) {
  qint64 glyphsLeft = mostInstancedGlyphs;
  for (int face = 0; face < faceCount; ++face) {
    const QString family = file.families.value(std::min<qsizetype>(face, file.families.size() - 1));
    InstanceFonts instances = instanceFontsOf(bytes, face, family, glyphsLeft);
    if (!instances.problem.isEmpty()) return instances.problem;
    for (const QByteArray& font : instances.fonts) {
      const int id = QFontDatabase::addApplicationFontFromData(font);
      if (id < 0) return damagedFont;
      file.instanceIds << id;
      // As the font database reads the instance's names, which a damaged
      // name may make another than the one asked for.
      for (const QString& listed : QFontDatabase::applicationFontFamilies(id))
        if (listed != family && !file.instanceFamilies.contains(listed))
          file.instanceFamilies << listed;
    }
  }
  return {};
}

// The file of `bytes` in the font database, added at its first use.
std::variant<AddedFile, QString> addedFile(const QByteArray& bytes, int faceCount) {
  const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
  AddedFonts& added = addedFonts();
  const std::lock_guard lock(added.mutex);
  if (const auto known = added.byContent.constFind(key); known != added.byContent.constEnd())
    return *known;
  AddedFile file;
  file.id = QFontDatabase::addApplicationFontFromData(bytes);
  // The headers were sound: the font library found the rest damaged.
  if (file.id < 0) return damagedFont;
  file.families = QFontDatabase::applicationFontFamilies(file.id);
  // A name the font library cut to blanks (at a zero character, say) is no
  // family a title could ask for.
  const auto blank = [](const QString& family) { return family.trimmed().isEmpty(); };
  if (file.families.isEmpty() || std::ranges::any_of(file.families, blank)) {
    QFontDatabase::removeApplicationFont(file.id);
    return u"the font names no family"_s;
  }
  if (const QString problem = addInstances(bytes, faceCount, file); !problem.isEmpty()) {
    removeFonts(file);
    return problem;
  }
  return added.byContent[key] = file;
}

AddedFont addedFace(const QByteArray& bytes, int face, int faceCount) {
  const std::variant<AddedFile, QString> added = addedFile(bytes, faceCount);
  if (const QString* problem = std::get_if<QString>(&added)) return refused(*problem);
  const AddedFile& file = std::get<AddedFile>(added);
  // A collection's faces are listed in their order; faces of one family share it.
  const QString family = file.families.value(std::min<qsizetype>(face, file.families.size() - 1));
  return {file.id, family, {}, bytes, file.instanceFamilies, file.instanceIds};
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
  const std::variant<QByteArray, QString> read = fontFileBytes(name.path);
  if (const QString* problem = std::get_if<QString>(&read)) return refused(*problem);
  return addFontBytes(std::get<QByteArray>(read), name.face);
}

AddedFont addFontBytes(const QByteArray& bytes, int face) {
  const FontFileShape shape = fontFileShape(bytes);
  if (!shape.problem.isEmpty()) return refused(shape.problem);
  if (face >= shape.faceCount)
    return refused(
        u"the file has no face %1: it holds %2, counted from 0"_s.arg(face).arg(shape.faceCount));
  return addedFace(bytes, face, shape.faceCount);
}
