#include "engine_object.h"

#include <unordered_map>
#include <utility>

namespace velloro {
namespace {

struct Register {
  std::mutex lock;
  std::unordered_map<std::uintptr_t, std::shared_ptr<EngineObject>> live;
  std::uintptr_t next = 1;
};

Register& objects() {
  static Register everyObject;
  return everyObject;
}

}  // namespace

EngineObject& defaultEngineObject() {
  static EngineObject object;
  return object;
}

EngineState& engineState() { return defaultEngineObject().state; }

std::uintptr_t registerEngineObject(std::shared_ptr<EngineObject> object) {
  Register& all = objects();
  const std::lock_guard<std::mutex> held(all.lock);
  const std::uintptr_t handle = all.next++;
  all.live.emplace(handle, std::move(object));
  return handle;
}

std::shared_ptr<EngineObject> findEngineObject(std::uintptr_t handle) {
  Register& all = objects();
  const std::lock_guard<std::mutex> held(all.lock);
  const auto found = all.live.find(handle);
  return found == all.live.end() ? nullptr : found->second;
}

std::shared_ptr<EngineObject> unregisterEngineObject(std::uintptr_t handle) {
  Register& all = objects();
  const std::lock_guard<std::mutex> held(all.lock);
  const auto found = all.live.find(handle);
  if (found == all.live.end()) return nullptr;
  std::shared_ptr<EngineObject> object = std::move(found->second);
  all.live.erase(found);
  return object;
}

}  // namespace velloro
