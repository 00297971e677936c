// A signal that ends the program mid-write leaves neither the half-written
// picture beside its target nor a held folder, and still ends the program
// as that signal does.
#include "files/removal_on_signal.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "core_test.h"
#include "files/file_writing.h"

namespace {

// How a child that runs `work` ended: the signal that ended it, or 0.
int endingSignalOf(const std::function<void()>& work) {
  const pid_t child = fork();
  if (child == 0) {
    ::alarm(30);
    removeOnEndingSignals();
    work();
    _exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

}  // namespace

TEST(RemovalOnSignal, AWriteCutShortLeavesNoPartialFile) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("title.png"));
    const int ended = endingSignalOf([&] {
      writeFileReplacing(target, [signal](FileOutput& output) {
        output.put(QByteArray(1 << 20, 'x'));
        ::raise(signal);
      });
    });
    EXPECT_EQ(ended, signal);
    EXPECT_EQ(entriesOf(folder.path()), QStringList()) << signal;
  }
}

// A held folder goes with its held file, whichever was held first; what is
// no longer held stays.
TEST(RemovalOnSignal, HeldFoldersGoWithTheirFiles) {
  QTemporaryDir folder;
  const QString copy = folder.filePath(QStringLiteral("copy"));
  const QString kept = folder.filePath(QStringLiteral("kept.txt"));
  const int ended = endingSignalOf([&] {
    QDir().mkdir(copy);
    writeContent(copy + QStringLiteral("/lib.so"), "engine");
    writeContent(kept, "kept");
    { const RemovalOnSignal released(AT_FDCWD, QFile::encodeName(kept)); }
    const RemovalOnSignal file(AT_FDCWD, QFile::encodeName(copy + QStringLiteral("/lib.so")));
    const RemovalOnSignal held(AT_FDCWD, QFile::encodeName(copy), true);
    ::raise(SIGTERM);
  });
  EXPECT_EQ(ended, SIGTERM);
  EXPECT_EQ(entriesOf(folder.path()), QStringList{QStringLiteral("kept.txt")});
}
