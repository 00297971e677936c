// The relief engine, libVelloro.so beside the program, loaded by name at the
// first use of any of its four entry points.
#pragma once

#include <QLibrary>
#include <QString>
#include <optional>

#include "engine.h"

struct EngineEntryPoints {
  decltype(&::ACTION) action = nullptr;
  decltype(&::DESTRUCTION) destruction = nullptr;
  decltype(&::TEXTURE) texture = nullptr;
  decltype(&::FRONTIERE) frontiere = nullptr;
};

class EngineLibrary {
 public:
  explicit EngineLibrary(QString libraryPath);

  // Loads the library and resolves the four entry points on the first call.
  // Throws a Failure naming the library or the missing entry point; a later
  // call tries again.
  const EngineEntryPoints& entryPoints();

 private:
  void load();

  QLibrary library_;
  std::optional<EngineEntryPoints> entryPoints_;
};

// The engine of this run, beside the executable.
EngineLibrary& engineLibrary();
