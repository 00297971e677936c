#include "files/run_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "files/failure.h"

namespace {

const QString prefix = QStringLiteral("Velloro-");

QString& madeFolder() {
  static QString folder;
  return folder;
}

// kill with signal 0 only asks whether the process exists; a process of
// another user answers EPERM and counts as alive.
bool processLives(qint64 id) { return ::kill(pid_t(id), 0) == 0 || errno != ESRCH; }

}  // namespace

// A folder removed behind the program's back (a cleaner of the temporary
// folder) is made anew, so later working files can still be made.
const QString& runFolder() {
  QString& folder = madeFolder();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    QTemporaryDir made(QDir::tempPath() + '/' + prefix +
                       QString::number(QCoreApplication::applicationPid()) +
                       QStringLiteral("-XXXXXX"));
    if (!made.isValid()) throw Failure(errorNumber::PathFileAccessError, made.errorString());
    made.setAutoRemove(false);
    folder = made.path() + '/';
    // Whatever way the application object goes, the run's files go with it.
    static const bool removedAtTheEnd = (qAddPostRoutine(removeRunFolder), true);
    (void)removedAtTheEnd;
  }
  return folder;
}

void removeRunFolder() {
  QString& folder = madeFolder();
  if (folder.isEmpty()) return;
  QDir(folder).removeRecursively();
  folder.clear();
}

void removeFoldersOfEndedRuns(const QString& temporaryFolder) {
  static const QRegularExpression runName(QStringLiteral("^Velloro-(\\d+)-\\w{6}$"));
  const QDir temporary(temporaryFolder);
  const QStringList folders =
      temporary.entryList({prefix + '*'}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
  for (const QString& name : folders) {
    const QRegularExpressionMatch match = runName.match(name);
    if (!match.hasMatch()) continue;
    const qint64 id = match.captured(1).toLongLong();
    if (id != QCoreApplication::applicationPid() && !processLives(id))
      QDir(temporary.filePath(name)).removeRecursively();
  }
}
