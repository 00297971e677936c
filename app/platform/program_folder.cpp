#include "platform/program_folder.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>

#include "files/failure.h"
#include "files/file_writing.h"

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

// Why no file can be made in `folder`, making the folder and its parents
// first; empty when files can be made there.
QString whyNoFilesIn(const QString& folder) {
  if (folder.isEmpty() || QDir::isRelativePath(folder)) return QStringLiteral("no home folder");
  QString made;
  for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    made += QLatin1Char('/') + part;
    if (::mkdir(QFile::encodeName(made).constData(), 0777) == 0) continue;
    if (errno != EEXIST) return failureFromSystemError(errno, made).description();
    if (!QFileInfo(made).isDir())
      return notAPlainFile(QStringLiteral("Not a directory"), made).description();
  }
  if (!canMakeFilesIn(folder)) return QStringLiteral("no file can be made in ") + folder;
  return {};
}

// A copy that fails (a full disk) leaves no file behind; the caller is
// told, and the next start tries again.
QString copyIfPossible(const QString& source, const QString& target) {
  try {
    copyFileReplacing(source, target);
    return {};
  } catch (const Failure& failure) {
    return failure.description();
  }
}

void warnOnErrorStream(const QString& line) {
  const QByteArray bytes = (QStringLiteral("Velloro: ") + line + QLatin1Char('\n')).toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// Without a home the standard place would be a folder at the root of the
// system, made for whoever runs the program there.
QString userDataLocation() {
  if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
    return {};
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
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

QString fillFromShippedData(const QString& shippedDataFolder, const QString& userDataFolder) {
  QString missing;
  for (const QString& shipped : shippedFolders) {
    const QDir source(shippedDataFolder + '/' + shipped);
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString file = files.next();
      const QString target = userDataFolder + '/' + shipped + '/' + source.relativeFilePath(file);
      if (QFile::exists(target)) continue;
      QDir().mkpath(QFileInfo(target).path());
      const QString problem = copyIfPossible(file, target);
      if (missing.isEmpty()) missing = problem;
    }
  }
  return missing;
}

QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                             const FolderWarning& warn) {
  const ProgramLayout layout = programLayout(executableFolder);
  QString folder = executableFolder;
  if (layout.installed || !canMakeFilesIn(executableFolder)) {
    QString problem = whyNoFilesIn(userDataFolder);
    if (problem.isEmpty()) problem = fillFromShippedData(layout.shippedData, userDataFolder);
    if (!problem.isEmpty()) {
      if (warn)
        warn(QStringLiteral("the data folder cannot be made (%1); the shipped data in %2 is used "
                            "read-only")
                 .arg(problem, layout.shippedData));
      return layout.shippedData;
    }
    folder = userDataFolder;
  }
  for (const QString& working : workingFolders) QDir(folder).mkpath(working);
  return folder;
}

const QString& programFolder() {
  static const QString folder = prepareProgramFolder(QCoreApplication::applicationDirPath(),
                                                     userDataLocation(), warnOnErrorStream);
  return folder;
}
