// A termination signal ends the program whatever it is doing: answered on
// the user-interface thread when it is free, forced by the watching thread
// when it is not, with this run's folder removed either way.
#include "platform/termination_signals.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <csignal>
#include <thread>

#include "core_test.h"
#include "files/run_folder.h"

using namespace std::chrono_literals;

namespace {

// Waits for `done`, giving up after a long while so that a fault fails the
// test instead of hanging it.
bool waitFor(const std::function<bool()>& done) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (waited.hasExpired(20000)) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

}  // namespace

// The user-interface thread free: the signal closes, nothing is forced.
TEST(TerminationSignals, AFreeProgramClosesAsOnItsCloseBox) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    std::atomic<int> closed = 0, forced = 0;
    {
      TerminationSignals ending([&] { ++closed; }, 50ms, [&](int s) { forced = s; });
      ::raise(signal);
      EXPECT_TRUE(waitFor([&] { return closed == 1; })) << signal;
      std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(forced, 0) << signal;
  }
}

// The user-interface thread busy: the watcher ends the program itself, with
// the signal that came.
TEST(TerminationSignals, ABusyProgramIsEndedByTheWatcher) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    std::atomic<int> forced = 0;
    int closed = 0;
    TerminationSignals ending([&] { ++closed; }, 50ms, [&](int s) { forced = s; });
    ::raise(signal);
    QElapsedTimer busy;
    busy.start();
    while (forced == 0 && !busy.hasExpired(20000)) std::this_thread::sleep_for(5ms);
    EXPECT_EQ(forced, signal);
    EXPECT_EQ(closed, 0);
  }
}

// The whole way, in a process of its own: blocked opening a pipe nobody
// writes to, SIGTERM still ends it, with 128 + 15 as a shell tells it, and
// its run folder goes.
TEST(TerminationSignals, AProgramBlockedOpeningAPipeEndsAndLeavesNoFolder) {
  QTemporaryDir folder;
  const QByteArray fifo = QFile::encodeName(folder.filePath(QStringLiteral("pipe.png")));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  int told[2];
  ASSERT_EQ(::pipe(told), 0);
  const pid_t child = fork();
  if (child == 0) {
    ::alarm(30);  // a fault ends the child with SIGALRM instead of hanging
    TerminationSignals ending([] {});
    const QByteArray run = QFile::encodeName(runFolder());
    (void)!::write(told[1], run.constData(), size_t(run.size()));
    ::close(told[1]);
    ::open(fifo.constData(), O_RDONLY);
    _exit(0);
  }
  ::close(told[1]);
  char run[4096] = {};
  const ssize_t length = ::read(told[0], run, sizeof run - 1);
  ::close(told[0]);
  ASSERT_GT(length, 0);
  ASSERT_TRUE(QFileInfo(QFile::decodeName(run)).isDir());
  ::kill(child, SIGTERM);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
  EXPECT_FALSE(QFileInfo::exists(QFile::decodeName(run)));
}
