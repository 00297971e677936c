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

// A temporary folder of run folders and data that must survive.
class FolderRemoval : public ::testing::Test {
 protected:
  QTemporaryDir temporary;
  const QDir folder{temporary.path()};
  Untouchable target;
};

}  // namespace

// The state right after the swap: the run's name is a link by the time it
// is removed. Only the link's own name may go, never what it leads to.
TEST_F(FolderRemoval, ANameSwappedForALinkIsNotFollowed) {
  const QString name = endedRunName("Swap00");
  ASSERT_TRUE(QFile::link(target.folder.path(), temporary.filePath(name)));
  const int parent = openFolder(temporary.path());
  EXPECT_FALSE(removeOwnedFolder(parent, QFile::encodeName(name)));
  ::close(parent);
  EXPECT_EQ(target.filesLeft(), 3);
}

// A link inside a run folder goes as a name; the run folder goes whole.
TEST_F(FolderRemoval, LinksInsideAreRemovedAsNames) {
  const QDir run(temporary.filePath(endedRunName("Inside")));
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
TEST_F(FolderRemoval, RootLeavesFoldersOfOtherUsers) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder away";
  makeShared(temporary.path());
  const QString theirs = endedRunName("Theirs");
  ASSERT_TRUE(folder.mkdir(theirs));
  writeContent(folder.filePath(theirs + "/Undo0.tmp"), "their step");
  ASSERT_EQ(::chown(QFile::encodeName(folder.filePath(theirs)).constData(), nobody, nobody), 0);
  const QString swapped = endedRunName("Swap01");
  ASSERT_TRUE(QFile::link(target.folder.path(), folder.filePath(swapped)));
  ::lchown(QFile::encodeName(folder.filePath(swapped)).constData(), nobody, nobody);
  const QString ours = endedRunName("Ours00");
  ASSERT_TRUE(folder.mkdir(ours));
  removeFoldersOfEndedRuns(temporary.path());
  EXPECT_TRUE(QFileInfo::exists(folder.filePath(theirs + "/Undo0.tmp")));
  EXPECT_EQ(target.filesLeft(), 3);
  EXPECT_TRUE(QFileInfo(folder.filePath(swapped)).isSymLink());
  EXPECT_FALSE(folder.exists(ours));
}

// An ordinary user's start-up removes its own ended runs and nothing of
// root's: neither root's run folder nor one it is led to by a link.
TEST_F(FolderRemoval, AnUnprivilegedUserTouchesOnlyItsOwn) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  makeShared(temporary.path());
  ::chmod(QFile::encodeName(target.folder.path()).constData(), 0777);
  const QString rootRun = endedRunName("RootRn");
  ASSERT_TRUE(folder.mkdir(rootRun));
  ::chmod(QFile::encodeName(folder.filePath(rootRun)).constData(), 0777);
  writeContent(folder.filePath(rootRun + "/Undo0.tmp"), "root's step");
  const QString linkName = endedRunName("Swap02");
  const QString ownName = endedRunName("OwnRun");
  const bool ran = runAsNobody([&] {
    QFile::link(target.folder.path(), folder.filePath(linkName));
    folder.mkpath(ownName + "/inner");
    removeFoldersOfEndedRuns(temporary.path());
    return !folder.exists(ownName);
  });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(QFileInfo::exists(folder.filePath(rootRun + "/Undo0.tmp")));
  EXPECT_EQ(target.filesLeft(), 3);
}

// This run's own folder goes with all it holds, links as names.
TEST_F(FolderRemoval, TheRunsOwnFolderGoesWhole) {
  const QString run = runFolder();
  writeContent(run + "Working.bmp", "picture");
  ASSERT_TRUE(QFile::link(target.folder.path(), run + "link"));
  removeRunFolder();
  EXPECT_FALSE(QFileInfo::exists(run));
  EXPECT_EQ(target.filesLeft(), 3);
}
