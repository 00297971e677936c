#include "service/font_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

#include "files/bounded_read.h"
#include "files/failure.h"
#include "service/query_error.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 largestFontFile = 32 << 20;

QString loadedFamily(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  std::optional<QByteArray> bytes;
  try {
    if (file.open(QIODevice::ReadOnly)) bytes = readRestWithin(file, largestFontFile);
  } catch (const Failure&) {
    bytes.reset();
  }
  if (!bytes) throw QueryError(u"font: '%1' cannot be read"_s.arg(name));
  const int id = QFontDatabase::addApplicationFontFromData(*bytes);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (id < 0 || families.isEmpty()) throw QueryError(u"font: '%1' holds no font"_s.arg(name));
  return families.first();
}

}  // namespace

QString FontFolder::familyOf(const QString& path) {
  const std::lock_guard lock(mutex_);
  if (const auto known = families_.constFind(path); known != families_.cend()) return *known;
  const QString family = loadedFamily(path);
  families_.insert(path, family);
  return family;
}
