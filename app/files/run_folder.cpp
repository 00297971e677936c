#include "files/run_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "files/failure.h"
#include "files/folder_removal.h"

namespace {

const QString prefix = QStringLiteral("Velloro-");

QString& madeFolder() {
  static QString folder;
  return folder;
}

// kill with signal 0 only asks whether the process exists; a process of
// another user answers EPERM and counts as alive.
bool processLives(qint64 id) { return ::kill(pid_t(id), 0) == 0 || errno != ESRCH; }

// Holds an open folder for the removals made relative to it.
class OpenFolder {
 public:
  explicit OpenFolder(const QString& path)
      : descriptor_(
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  ~OpenFolder() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

bool endedRunsFolder(const QString& name) {
  static const QRegularExpression runName(QStringLiteral("^Velloro-(\\d+)-\\w{6}$"));
  const QRegularExpressionMatch match = runName.match(name);
  if (!match.hasMatch()) return false;
  const qint64 id = match.captured(1).toLongLong();
  return id != QCoreApplication::applicationPid() && !processLives(id);
}

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
  const QFileInfo made(QDir::cleanPath(folder));
  const OpenFolder temporary(made.path());
  removeOwnedFolder(temporary.descriptor(), QFile::encodeName(made.fileName()));
  folder.clear();
}

// Another user may make a folder of a run's name in a shared temporary
// folder and swap it for a link at any moment: only folders of this user
// go, each walked from the descriptor of the temporary folder.
void removeFoldersOfEndedRuns(const QString& temporaryFolder) {
  const OpenFolder temporary(temporaryFolder);
  if (temporary.descriptor() < 0) return;
  for (const QByteArray& name : namesInFolder(temporary.descriptor())) {
    if (endedRunsFolder(QFile::decodeName(name))) removeOwnedFolder(temporary.descriptor(), name);
  }
}
