// SIGTERM, SIGHUP (the session ends) and SIGINT end the program the way
// closing its window does: the handler only writes a byte into a pipe, and the
// event loop, woken by it, runs `close` on the user-interface thread, where
// the working files are removed as on any close.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
  ~TerminationSignals() override;

 private:
  void signalArrived();

  std::function<void()> close_;
  QSocketNotifier* notifier_ = nullptr;
};
