// The engine keeps its layers for the whole process: tests that read the
// stored layers start from none.
#pragma once

#include <array>
#include <cstdint>

#include "rendering/engine_library.h"

// Renders a mask narrower than 4 pixels into every slot, which empties it,
// and frees the engine's working memory.
inline void emptyEveryLayer(const EngineEntryPoints& entry) {
  std::array<uint8_t, 16> narrow{};
  std::array<uint8_t, 16> picture{};
  velloro::ActionArguments arguments;
  arguments.mask = narrow.data();
  arguments.source = picture.data();
  arguments.output = picture.data();
  arguments.maskStride = 9;
  arguments.maskRows = 1;
  arguments.outputStride = 12;
  arguments.outputRows = 1;
  for (int32_t slot : {1, 2, 3}) {
    arguments.layerSlot = slot;
    callAction(entry, arguments);
  }
  entry.destruction();
}
