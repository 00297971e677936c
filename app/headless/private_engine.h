// A relief engine object apart from the window's: a render that must leave
// the window's design alone (a denser copy, a thumbnail, a batch lane) works
// on layers of its own. Users on several threads take turns through lock().
#pragma once

#include <QString>
#include <QThread>
#include <memory>
#include <mutex>

#include "rendering/engine_library.h"

class PrivateEngine {
 public:
  // An object of the engine at `libraryPath`, rendering on at most
  // `threads` threads (by default a thread for each core).
  explicit PrivateEngine(QString libraryPath, int threads = QThread::idealThreadCount());
  ~PrivateEngine();

  // Loads the library and makes the object at the first call; throws a
  // Failure when it cannot, and tries again at the next call.
  const EngineEntryPoints& entryPoints();

  std::mutex& lock() { return turn_; }

 private:
  EngineLibrary library_;
  int threads_;
  std::unique_ptr<EngineEntryPoints> object_;
  std::mutex turn_;
};
