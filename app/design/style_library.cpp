#include "design/style_library.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "design/style_json.h"

namespace {

QString shownName(const QString& path) {
  QFile file(path);
  QString name;
  if (file.open(QIODevice::ReadOnly) && file.size() <= largestStyleFile)
    name = styleName(file.readAll()).trimmed();
  return name.isEmpty() ? QFileInfo(path).completeBaseName() : name;
}

}  // namespace

std::vector<StyleEntry> stylesIn(const QString& folder) {
  std::vector<StyleEntry> entries;
  const QDir styles(folder);
  for (const QFileInfo& file :
       styles.entryInfoList({QLatin1Char('*') + styleExtension}, QDir::Files | QDir::Readable))
    entries.push_back({shownName(file.filePath()), file.filePath()});
  std::sort(entries.begin(), entries.end(), [](const StyleEntry& a, const StyleEntry& b) {
    const int order = a.name.compare(b.name, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.path < b.path;
  });
  return entries;
}
