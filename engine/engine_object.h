// Engine objects: the state of the library's entry points, one per object,
// and the handles callers know them by.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "engine_state.h"

namespace velloro {

struct EngineObject {
  EngineObject() { state.workers.stopAsked = &stopAsked; }
  EngineObject(const EngineObject&) = delete;
  EngineObject& operator=(const EngineObject&) = delete;

  std::mutex turn;  // calls from several threads on one object take turns
  // Set by ENGINE_STOP from any thread without waiting for the turn; each
  // render clears it as it begins, so only the render under way stops.
  std::atomic<bool> stopAsked{false};
  EngineState state;
};

// The object behind the four original entry points, made at their first call.
EngineObject& defaultEngineObject();

// Handles are numbers handed out once each, never addresses: a freed
// object's handle cannot come to name a later object that reuses its memory.
std::uintptr_t registerEngineObject(std::shared_ptr<EngineObject> object);
// The live object of `handle`, or null. The caller's share keeps it alive
// through a call that overlaps its freeing.
std::shared_ptr<EngineObject> findEngineObject(std::uintptr_t handle);
// Takes the object of `handle` out of the register; null when there is none.
std::shared_ptr<EngineObject> unregisterEngineObject(std::uintptr_t handle);

}  // namespace velloro
