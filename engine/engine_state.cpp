#include "engine_state.h"

#include <optional>

namespace velloro {
namespace {

using KeptRenders =
    std::array<std::unique_ptr<Render>, LayerSlots::kCount * LayerSlots::kLayersPerSlot>;

// Where the kept render of slot `number` (1-based) and its underlay lies
// among the kept renders; none for another number.
std::optional<size_t> keptIndex(int32_t number, int32_t underlay) {
  if (number < 1 || number > LayerSlots::kCount || underlay < 0 || underlay > kUnderlayCount)
    return std::nullopt;
  return static_cast<size_t>((number - 1) * LayerSlots::kLayersPerSlot + underlay);
}

std::unique_ptr<Render>* keptOf(KeptRenders& kept, int32_t number, int32_t underlay) {
  const std::optional<size_t> index = keptIndex(number, underlay);
  return index ? &kept[*index] : nullptr;
}

}  // namespace

Render& EngineState::beginRender(int32_t layerSlot, int32_t underlay) {
  if (render) endRender();
  std::unique_ptr<Render>* kept = keptOf(kept_, layerSlot, underlay);
  render = kept != nullptr && *kept ? std::move(*kept) : std::make_unique<Render>();
  return *render;
}

void EngineState::endRender() {
  if (!render) return;
  std::unique_ptr<Render>* kept = keptOf(kept_, render->args.layerSlot, render->args.underlay);
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

const Render* EngineState::kept(int32_t layerSlot, int32_t underlay) const {
  const std::optional<size_t> index = keptIndex(layerSlot, underlay);
  return index ? kept_[*index].get() : nullptr;
}

}  // namespace velloro
