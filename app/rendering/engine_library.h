// The relief engine, libVelloro.so beside the program, loaded by name at the
// first use of any of its four entry points.
#pragma once

#include <QLibrary>
#include <QString>
#include <optional>

#include "action_arguments.h"
#include "engine.h"

struct EngineEntryPoints {
  decltype(&::ACTION) action = nullptr;
  decltype(&::DESTRUCTION) destruction = nullptr;
  decltype(&::TEXTURE) texture = nullptr;
  decltype(&::FRONTIERE) frontiere = nullptr;
};

// Calls ACTION with `arguments` unpacked into its 36 positions; the one place
// that knows the positional order.
void callAction(const EngineEntryPoints& engine, const velloro::ActionArguments& arguments);

class EngineLibrary {
 public:
  explicit EngineLibrary(QString libraryPath);

  // Loads the library and resolves the four entry points on the first call.
  // Throws a Failure naming the library or the missing entry point; a later
  // call tries again.
  const EngineEntryPoints& entryPoints();

  // The library file, as given or, once loaded, as found.
  QString libraryPath() const { return library_.fileName(); }

 private:
  void load();

  QLibrary library_;
  std::optional<EngineEntryPoints> entryPoints_;
};
