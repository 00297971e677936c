// What the last render of a layer slot read, kept with its products, so the
// next render of the slot can tell which steps would only compute the same
// again: the geometry depends on the mask and a few arguments, the layer on
// the geometry, the shading arguments and the texture tile, and the
// compositing alone on the placement, the deformation and the shadow.
#pragma once

#include <cstdint>
#include <vector>

#include "action_arguments.h"
#include "texture_tile.h"

namespace velloro {

// How much of the kept render the next one may take over: nothing, the
// outline steps, those and the direction fields (all of the element's
// geometry: only the background's distances are read anew), the whole
// geometry, or the stored layer too.
enum class Reuse { kNothing, kOutline, kElement, kGeometry, kLayer };

struct RenderRecord {
  std::vector<uint8_t> mask;  // the mask as the render received it, before gap filling
  ActionArguments args;
  TextureTile texture;        // a copy of the tile its shading read
  bool geometryKept = false;  // the render's geometry is that of `mask` and `args`
  bool layerKept = false;     // the slot holds the layer of the geometry, `args` and `texture`

  void forget() { geometryKept = layerKept = false; }
  // Keeps a copy of the mask about to be rendered.
  void takeMask(const ActionArguments& args);
};

// What a render with `args` and `texture` may take over from the kept one;
// `slotValid` says whether the slot still holds the kept render's layer.
Reuse reuseFor(const RenderRecord& kept, const ActionArguments& args, const TextureTile& texture,
               bool slotValid);

}  // namespace velloro
