#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QStringList shippedFolders{QStringLiteral("curves"), QStringLiteral("textures"),
                                 QStringLiteral("help"), QStringLiteral("styles")};
const QStringList workingFolders{QStringLiteral("inputs"), QStringLiteral("outputs"),
                                 QStringLiteral("textures"), QStringLiteral("curves"),
                                 QStringLiteral("styles")};

// Asking for write permission is not enough (an administrator may write
// anywhere, a read-only medium refuses all): try to make a file.
bool canMakeFilesIn(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
  return probe.open();
}

}  // namespace

void fillFromShippedData(const QString& executableFolder, const QString& userDataFolder) {
  for (const QString& shipped : shippedFolders) {
    const QDir source(executableFolder + '/' + shipped);
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString file = files.next();
      const QString target = userDataFolder + '/' + shipped + '/' + source.relativeFilePath(file);
      if (QFile::exists(target)) continue;
      QDir().mkpath(QFileInfo(target).path());
      QFile::copy(file, target);
    }
  }
}

QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder) {
  QString folder = executableFolder;
  if (!canMakeFilesIn(executableFolder)) {
    folder = userDataFolder;
    QDir().mkpath(folder);
    fillFromShippedData(executableFolder, folder);
  }
  for (const QString& working : workingFolders) QDir(folder).mkpath(working);
  return folder;
}

const QString& programFolder() {
  static const QString folder =
      prepareProgramFolder(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  return folder;
}
