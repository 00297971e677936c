#include "platform/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include "files/removal_on_signal.h"
#include "files/run_folder.h"

namespace {

constexpr std::array<int, 3> endingSignals{SIGTERM, SIGHUP, SIGINT};

// Written by the destructor: not a signal, only the end of the watch.
constexpr char stopWatching = 0;

// Read end and write end of the pipe; one set of handlers per process.
int signalPipe[2] = {-1, -1};

extern "C" void onEndingSignal(int signal) {
  const int savedErrno = errno;
  const char byte = char(signal);
  // Nothing else is safe in a handler; a full pipe already holds a signal.
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

void setHandler(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

void leaveNow(int signal) {
  removeHeldEntries();
  removeRunFolder();
  ::_exit(128 + signal);
}

// The next byte of the pipe; the stop byte when the pipe fails.
char nextByte() {
  char byte = stopWatching;
  while (::read(signalPipe[0], &byte, 1) < 0 && errno == EINTR) {
  }
  return byte;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : TerminationSignals(std::move(close), defaultGrace, leaveNow, parent) {}

// The watcher blocks on the pipe's read end; the handler must never block,
// so only the write end is non-blocking.
TerminationSignals::TerminationSignals(std::function<void()> close, std::chrono::milliseconds grace,
                                       ForcedEnd forcedEnd, QObject* parent)
    : QObject(parent), close_(std::move(close)), grace_(grace), forcedEnd_(std::move(forcedEnd)) {
  if (::pipe2(signalPipe, O_CLOEXEC) != 0) return;
  ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
  watcher_ = std::thread([this] { watch(); });
  for (int signal : endingSignals) setHandler(signal, onEndingSignal);
}

TerminationSignals::~TerminationSignals() {
  if (!watcher_.joinable()) return;
  for (int signal : endingSignals) setHandler(signal, SIG_DFL);
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  answered_.notify_all();
  const char stop = stopWatching;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &stop, 1);
  watcher_.join();
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

// On the watching thread: each signal is handed to the user-interface
// thread, which has `grace_` to take it.
void TerminationSignals::watch() {
  for (char signal = nextByte(); signal != stopWatching; signal = nextByte()) {
    std::unique_lock lock(mutex_);
    if (stopping_) return;
    answeredNow_ = false;
    QMetaObject::invokeMethod(this, &TerminationSignals::answer, Qt::QueuedConnection);
    if (!answered_.wait_for(lock, grace_, [this] { return answeredNow_ || stopping_; }))
      forcedEnd_(signal);
  }
}

void TerminationSignals::answer() {
  {
    const std::lock_guard lock(mutex_);
    answeredNow_ = true;
  }
  answered_.notify_all();
  close_();
}
