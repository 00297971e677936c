// The engine's state kept between calls: the layer slots, the texture tile,
// the working arrays of the render in progress and how renders are split
// between threads. Each engine object holds one (engine_object.h).
#pragma once

#include <array>
#include <memory>

#include "layer_slots.h"
#include "render.h"
#include "texture_tile.h"

namespace velloro {

struct EngineState {
  LayerSlots slots;
  TextureTile texture;
  WorkerPolicy workers = WorkerPolicy::forThisMachine();
  bool preview = false;            // deformations composited through faster approximations
  int32_t underlay = 0;            // where renders lay their layer: the slot itself or an underlay
  std::unique_ptr<Render> render;  // from ACTION until DESTRUCTION

  // Starts a render of a layer slot in the arrays of that slot's last render
  // when they are kept: refilling memory is much faster than paging in fresh
  // memory, and their record tells what the new render may take over. A
  // render that was not ended is ended first.
  // Each underlay of a slot keeps a render of its own.
  Render& beginRender(int32_t layerSlot, int32_t underlay = 0);
  // Ends the render: its arrays and record are kept for the next render of
  // its slot, as long as all kept renders together stay within kKeptCells.
  void endRender();
  // The kept render of a slot, if any.
  const Render* kept(int32_t layerSlot, int32_t underlay = 0) const;

 private:
  std::array<std::unique_ptr<Render>, LayerSlots::kCount * LayerSlots::kLayersPerSlot> kept_;
};

// The state behind the four original entry points, made at their first call.
EngineState& engineState();

}  // namespace velloro
