// Removing old run folders from a temporary folder other users share: links
// are never followed, folders of other users are never touched, whoever the
// remover is.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include "core_test.h"
#include "files/folder_removal.h"
#include "files/run_folder.h"

namespace {

constexpr uid_t nobody = 65534;

qint64 endedRun() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

QString endedRunName(const char* tail) {
  return QStringLiteral("Velloro-%1-").arg(endedRun()) + QLatin1String(tail);
}

// A folder of files that must survive, like another user's data.
struct Untouchable {
  Untouchable() {
    QDir(folder.path()).mkdir(QStringLiteral("inner"));
    for (const char* name : {"a.txt", "b.txt", "inner/c.txt"})
      writeContent(folder.filePath(QLatin1String(name)), "data");
  }
  int filesLeft() const {
    int left = 0;
    for (const char* name : {"a.txt", "b.txt", "inner/c.txt"})
      left += QFileInfo::exists(folder.filePath(QLatin1String(name)));
    return left;
  }
  QTemporaryDir folder;
};

int openFolder(const QString& path) {
  return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// A shared temporary folder as /tmp is: anyone writes, only owners remove.
void makeShared(const QString& path) { ::chmod(QFile::encodeName(path).constData(), 01777); }

bool runAsNobody(const std::function<bool()>& work) {
  const pid_t child = fork();
  if (child == 0) _exit(::setgid(nobody) == 0 && ::setuid(nobody) == 0 && work() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

// The state right after the swap: the run's name is a link by the time it
// is removed. Only the link's own name may go, never what it leads to.
TEST(FolderRemoval, ANameSwappedForALinkIsNotFollowed) {
  QTemporaryDir temporary;
  Untouchable target;
  const QString name = endedRunName("Swap00");
  ASSERT_TRUE(QFile::link(target.folder.path(), temporary.filePath(name)));
  const int parent = openFolder(temporary.path());
  EXPECT_FALSE(removeOwnedFolder(parent, QFile::encodeName(name)));
  ::close(parent);
  EXPECT_EQ(target.filesLeft(), 3);
}

// A link inside a run folder goes as a name; the run folder goes whole.
TEST(FolderRemoval, LinksInsideAreRemovedAsNames) {
  QTemporaryDir temporary;
  Untouchable target;
  const QString name = endedRunName("Inside");
  const QDir run(temporary.filePath(name));
  ASSERT_TRUE(run.mkpath(QStringLiteral("deep/deeper")));
  writeContent(run.filePath(QStringLiteral("deep/deeper/Undo1.tmp")), "step");
  ASSERT_TRUE(QFile::link(target.folder.path(), run.filePath(QStringLiteral("deep/toFolder"))));
  ASSERT_TRUE(QFile::link(target.folder.filePath(QStringLiteral("a.txt")),
                          run.filePath(QStringLiteral("toFile"))));
  removeFoldersOfEndedRuns(temporary.path());
  EXPECT_FALSE(QFileInfo::exists(run.path()));
  EXPECT_EQ(target.filesLeft(), 3);
}

// Root removes anything; still a folder another user owns stays, as does
// everything a swapped link of that user leads to.
TEST(FolderRemoval, RootLeavesFoldersOfOtherUsers) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder away";
  QTemporaryDir temporary;
  makeShared(temporary.path());
  Untouchable rootData;
  const QDir folder(temporary.path());
  const QString theirs = endedRunName("Theirs");
  ASSERT_TRUE(folder.mkdir(theirs));
  writeContent(folder.filePath(theirs + "/Undo0.tmp"), "their step");
  ASSERT_EQ(::chown(QFile::encodeName(folder.filePath(theirs)).constData(), nobody, nobody), 0);
  const QString swapped = endedRunName("Swap01");
  ASSERT_TRUE(QFile::link(rootData.folder.path(), folder.filePath(swapped)));
  ::lchown(QFile::encodeName(folder.filePath(swapped)).constData(), nobody, nobody);
  const QString ours = endedRunName("Ours00");
  ASSERT_TRUE(folder.mkdir(ours));
  removeFoldersOfEndedRuns(temporary.path());
  EXPECT_TRUE(QFileInfo::exists(folder.filePath(theirs + "/Undo0.tmp")));
  EXPECT_EQ(rootData.filesLeft(), 3);
  EXPECT_TRUE(QFileInfo(folder.filePath(swapped)).isSymLink());
  EXPECT_FALSE(folder.exists(ours));
}

// An ordinary user's start-up removes its own ended runs and nothing of
// root's: neither root's run folder nor one it is led to by a link.
TEST(FolderRemoval, AnUnprivilegedUserTouchesOnlyItsOwn) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  QTemporaryDir temporary;
  makeShared(temporary.path());
  Untouchable rootData;
  ::chmod(QFile::encodeName(rootData.folder.path()).constData(), 0777);
  const QDir folder(temporary.path());
  const QString rootRun = endedRunName("RootRn");
  ASSERT_TRUE(folder.mkdir(rootRun));
  ::chmod(QFile::encodeName(folder.filePath(rootRun)).constData(), 0777);
  writeContent(folder.filePath(rootRun + "/Undo0.tmp"), "root's step");
  const QString linkName = endedRunName("Swap02");
  const QString ownName = endedRunName("OwnRun");
  const bool ran = runAsNobody([&] {
    QFile::link(rootData.folder.path(), folder.filePath(linkName));
    folder.mkpath(ownName + "/inner");
    removeFoldersOfEndedRuns(temporary.path());
    return !folder.exists(ownName);
  });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(QFileInfo::exists(folder.filePath(rootRun + "/Undo0.tmp")));
  EXPECT_EQ(rootData.filesLeft(), 3);
}

// This run's own folder goes with all it holds, links as names.
TEST(FolderRemoval, TheRunsOwnFolderGoesWhole) {
  Untouchable target;
  const QString folder = runFolder();
  writeContent(folder + "Working.bmp", "picture");
  ASSERT_TRUE(QFile::link(target.folder.path(), folder + "link"));
  removeRunFolder();
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_EQ(target.filesLeft(), 3);
}
