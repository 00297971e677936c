// A relief engine apart from the window's. The engine keeps its layers and
// working arrays library-wide, so a render that must leave the window's
// design alone (a denser copy, a thumbnail) runs on a second copy of the
// library, loaded from a file of its own. The copy is no more re-entrant
// than the first: its users take turns through lock().
#pragma once

#include <QString>
#include <memory>
#include <mutex>

#include "rendering/engine_library.h"

class PrivateEngine {
 public:
  // `libraryPath` is the engine the copy is made of.
  explicit PrivateEngine(QString libraryPath);
  ~PrivateEngine();

  // Copies and loads the library at the first call; throws a Failure when
  // it cannot be copied or loaded, and tries again at the next call.
  const EngineEntryPoints& entryPoints();

  std::mutex& lock() { return turn_; }

 private:
  QString source_;
  std::unique_ptr<EngineLibrary> copy_;
  std::mutex turn_;
};
