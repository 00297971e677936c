// SIGTERM, SIGHUP (the session ends) and SIGINT end the program the way
// closing its window does: the handler only writes the signal's number into
// a pipe, a watching thread hands it to the user-interface thread, where
// `close` runs and the working files are removed as on any close. A program
// too busy to answer in time (still starting, blocked on a file that never
// opens, deep in a long render) is ended by the watching thread itself,
// after it removed this run's folder.
#pragma once

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class TerminationSignals : public QObject {
 public:
  // How the program ends when it has not answered a signal in time.
  using ForcedEnd = std::function<void(int signal)>;

  static constexpr std::chrono::milliseconds defaultGrace{2000};

  // Forced, the program removes its run folder and exits with 128 plus the
  // signal's number, as a shell reports a program a signal ended.
  explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
  TerminationSignals(std::function<void()> close, std::chrono::milliseconds grace,
                     ForcedEnd forcedEnd, QObject* parent = nullptr);
  ~TerminationSignals() override;

 private:
  void watch();
  void answer();

  std::function<void()> close_;
  std::chrono::milliseconds grace_;
  ForcedEnd forcedEnd_;
  std::mutex mutex_;
  std::condition_variable answered_;
  bool answeredNow_ = false;
  bool stopping_ = false;
  std::thread watcher_;
};
