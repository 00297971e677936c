#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "state/failure.h"
#include "state/file_writing.h"

namespace {

const QStringList shippedFolders{QStringLiteral("curves"), QStringLiteral("textures"),
                                 QStringLiteral("help"), QStringLiteral("styles")};
const QString engineFileName = QStringLiteral("libVelloro.so");
const QStringList workingFolders{QStringLiteral("inputs"), QStringLiteral("outputs"),
                                 QStringLiteral("textures"), QStringLiteral("curves"),
                                 QStringLiteral("styles")};

// Asking for write permission is not enough (an administrator may write
// anywhere, a read-only medium refuses all): try to make a file.
bool canMakeFilesIn(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
  return probe.open();
}

// A copy that fails (a full disk) leaves no file behind, so the next start
// tries again; until then the program works without that data file.
void copyIfPossible(const QString& source, const QString& target) {
  try {
    copyFileReplacing(source, target);
  } catch (const Failure&) {
  }
}

}  // namespace

ProgramLayout programLayout(const QString& executableFolder) {
  const QString beside = executableFolder + '/' + engineFileName;
  const QString installed = QDir::cleanPath(
      executableFolder + QStringLiteral("/" VELLORO_ENGINE_FROM_BIN "/") + engineFileName);
  if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
    return {installed,
            QDir::cleanPath(executableFolder + QStringLiteral("/" VELLORO_DATA_FROM_BIN)), true};
  return {beside, executableFolder, false};
}

void fillFromShippedData(const QString& shippedDataFolder, const QString& userDataFolder) {
  for (const QString& shipped : shippedFolders) {
    const QDir source(shippedDataFolder + '/' + shipped);
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString file = files.next();
      const QString target = userDataFolder + '/' + shipped + '/' + source.relativeFilePath(file);
      if (QFile::exists(target)) continue;
      QDir().mkpath(QFileInfo(target).path());
      copyIfPossible(file, target);
    }
  }
}

QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder) {
  const ProgramLayout layout = programLayout(executableFolder);
  QString folder = executableFolder;
  if (layout.installed || !canMakeFilesIn(executableFolder)) {
    folder = userDataFolder;
    QDir().mkpath(folder);
    fillFromShippedData(layout.shippedData, folder);
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
