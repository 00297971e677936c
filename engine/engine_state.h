// The engine's state kept between calls: the layer slots, the texture tile,
// the working arrays of the render in progress and how renders are split
// between threads. The library holds one, behind its entry points.
#pragma once

#include <memory>

#include "layer_slots.h"
#include "render.h"
#include "texture_tile.h"

namespace velloro {

struct EngineState {
  LayerSlots slots;
  TextureTile texture;
  WorkerPolicy workers = WorkerPolicy::forThisMachine();
  std::unique_ptr<Render> render;  // from ACTION until DESTRUCTION

  // Starts a render, in the arrays of the last one ended when there are
  // some: refilling memory is much faster than paging in fresh memory.
  Render& beginRender();
  // Ends the render: its arrays are emptied of meaning and kept for the
  // next render, unless they are far larger than a usual title needs.
  void endRender();

 private:
  std::unique_ptr<Render> spare_;
};

// The library's one state, made at the first call of an entry point.
EngineState& engineState();

}  // namespace velloro
