#include "headless/private_engine.h"

PrivateEngine::PrivateEngine(QString libraryPath, int threads)
    : library_(std::move(libraryPath)), threads_(threads) {}

PrivateEngine::~PrivateEngine() = default;

const EngineEntryPoints& PrivateEngine::entryPoints() {
  if (!object_) object_ = library_.newObject(threads_);
  return *object_;
}
