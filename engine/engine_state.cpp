#include "engine_state.h"

namespace velloro {
namespace {

using KeptRenders = std::array<std::unique_ptr<Render>, LayerSlots::kCount>;

// The kept render of slot `number` (1-based), or nullptr for another number.
std::unique_ptr<Render>* keptOf(KeptRenders& kept, int32_t number) {
  if (number < 1 || number > static_cast<int32_t>(kept.size())) return nullptr;
  return &kept[static_cast<size_t>(number - 1)];
}

}  // namespace

Render& EngineState::beginRender(int32_t layerSlot) {
  if (render) endRender();
  std::unique_ptr<Render>* kept = keptOf(kept_, layerSlot);
  render = kept != nullptr && *kept ? std::move(*kept) : std::make_unique<Render>();
  return *render;
}

void EngineState::endRender() {
  if (!render) return;
  std::unique_ptr<Render>* kept = keptOf(kept_, render->args.layerSlot);
  if (kept == nullptr || render->geometry.cellCount() > kKeptCells) {
    render.reset();
    return;
  }
  // The newest render is kept; the other slots' give way to it.
  size_t cells = render->geometry.cellCount();
  *kept = std::move(render);
  for (std::unique_ptr<Render>& other : kept_) {
    if (!other || &other == kept) continue;
    if (cells + other->geometry.cellCount() > kKeptCells) {
      other.reset();
    } else {
      cells += other->geometry.cellCount();
    }
  }
}

const Render* EngineState::kept(int32_t layerSlot) const {
  if (layerSlot < 1 || layerSlot > LayerSlots::kCount) return nullptr;
  return kept_[static_cast<size_t>(layerSlot - 1)].get();
}

}  // namespace velloro
