#include "platform/recent_files.h"

#include <QFileInfo>

#include "platform/program_settings.h"

namespace {

const QString listKey = QStringLiteral("Recent/Files");

void store(const QStringList& files) { programSettings().setValue(listKey, files); }

}  // namespace

// A hand-edited settings file may hold anything: only non-empty texts count,
// and never more than are kept.
QStringList recentFiles() {
  QStringList files = programSettings().value(listKey).toStringList();
  files.removeAll(QString());
  files.removeDuplicates();
  return files.mid(0, recentFilesKept);
}

void rememberRecentFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = recentFiles();
  files.removeAll(absolute);
  files.prepend(absolute);
  store(files.mid(0, recentFilesKept));
}

void forgetRecentFile(const QString& path) {
  QStringList files = recentFiles();
  files.removeAll(path);
  store(files);
}
