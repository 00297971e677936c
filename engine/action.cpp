#include "action.h"

#include <cstring>

#include "geometry.h"
#include "layer_steps.h"

namespace velloro {
namespace {

void copySourceToOutput(const ActionArguments& args) {
  if (args.source == nullptr || args.output == nullptr) return;
  if (args.outputStride <= 0 || args.outputRows <= 0) return;
  std::memmove(args.output, args.source,
               static_cast<size_t>(args.outputStride) * static_cast<size_t>(args.outputRows));
}

bool hasColumnsToScan(const ActionArguments& args) {
  return args.mask != nullptr && args.maskRows > 0 && args.maskStride / 3 >= kMinimumMaskWidth;
}

}  // namespace

void runAction(EngineState& state, const ActionArguments& args) {
  copySourceToOutput(args);
  if (!hasColumnsToScan(args)) {
    state.slots.invalidate(args.layerSlot);
    return;
  }
  // A render that was never ended by DESTRUCTION is replaced here.
  Render& render = state.beginRender();
  render.args = args;
  takeSlotMaps(state.slots, render);
  allocateWorkingArrays(render);
  buildGeometry(render);
  shadeSurface(render, state.texture);
  if (isOuterEffect(args.effectType)) paintOuterEffect(render, state.texture);
  smoothEdges(render);
  storeLayer(state.slots, render);
  compositeSlots(state.slots, args);
}

}  // namespace velloro
