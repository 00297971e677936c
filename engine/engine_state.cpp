#include "engine_state.h"

namespace velloro {

Render& EngineState::beginRender() {
  render = spare_ ? std::move(spare_) : std::make_unique<Render>();
  return *render;
}

void EngineState::endRender() {
  if (render && render->geometry.cellCount() <= kKeptCells) spare_ = std::move(render);
  render.reset();
}

}  // namespace velloro
