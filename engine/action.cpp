#include "action.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>

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

bool overlap(const uint8_t* a, size_t aBytes, const uint8_t* b, size_t bBytes) {
  const auto start = [](const uint8_t* p) { return reinterpret_cast<uintptr_t>(p); };
  return start(a) < start(b) + bBytes && start(b) < start(a) + aBytes;
}

// The render reads and writes only the mask until it composites, so when
// the mask, the source and the output lie apart the copy of the source need
// not come first. Otherwise it must, as the render reads what it leaves.
bool liesApart(const ActionArguments& args) {
  if (args.source == nullptr || args.output == nullptr) return false;
  const size_t outputBytes = static_cast<size_t>(std::max(args.outputStride, 0)) *
                             static_cast<size_t>(std::max(args.outputRows, 0));
  const size_t maskBytes =
      static_cast<size_t>(args.maskStride) * static_cast<size_t>(args.maskRows);
  return !overlap(args.mask, maskBytes, args.output, outputBytes) &&
         !overlap(args.mask, maskBytes, args.source, outputBytes) &&
         !overlap(args.source, outputBytes, args.output, outputBytes);
}

// A copy of the source run beside the render's steps, when the picture is
// worth a thread.
class SourceCopy {
 public:
  SourceCopy(const ActionArguments& args, const WorkerPolicy& workers) {
    const size_t pixels = static_cast<size_t>(std::max(args.outputStride, 0)) / 3 *
                          static_cast<size_t>(std::max(args.outputRows, 0));
    if (partsFor(workers, pixels) > 1) {
      try {
        thread_ = std::thread([&args] { copySourceToOutput(args); });
        return;
      } catch (const std::system_error&) {
      }
    }
    copySourceToOutput(args);
  }
  SourceCopy(const SourceCopy&) = delete;
  SourceCopy& operator=(const SourceCopy&) = delete;
  ~SourceCopy() { finish(); }

  void finish() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

bool hasColumnsToScan(const ActionArguments& args) {
  return args.mask != nullptr && args.maskRows > 0 && args.maskStride / 3 >= kMinimumMaskWidth;
}

// Brings the render's geometry up to date for its arguments, from scratch or
// from what the slot's kept render made, and readies the layer maps unless
// the stored layer is taken over. A reused geometry still fills the mask's
// gaps, as the caller sees them filled after every render.
void prepareGeometry(Render& render, Reuse reuse) {
  RenderRecord& record = render.record;
  if (reuse == Reuse::kNothing) {
    record.forget();
    record.takeMask(render.args);
    allocateWorkingArrays(render);
    buildGeometry(render);
    record.geometryKept = true;
    return;
  }
  fillRecordedGaps(render);
  if (reuse == Reuse::kOutline || reuse == Reuse::kElement) {
    record.forget();
    buildSurroundings(render, reuse == Reuse::kElement);
    record.geometryKept = true;
  }
  if (reuse != Reuse::kLayer) allocateLayerMaps(render);
}

// Runs the steps whose inputs differ from those of the slot's kept render
// and stores the layer in its slot.
void renderLayer(EngineState& state, Render& render, Reuse reuse) {
  RenderRecord& record = render.record;
  takeSlotMaps(state.slots, render);
  prepareGeometry(render, reuse);
  if (reuse != Reuse::kLayer) {
    record.layerKept = false;
    shadeSurface(render, state.texture);
    if (render.args.underlay != 0) leaveElementEmpty(render);
    if (isOuterEffect(render.args.effectType)) paintOuterEffect(render, state.texture);
    smoothEdges(render);
    record.texture = state.texture;
  }
  record.args = render.args;
  storeLayer(state.slots, render);
  record.layerKept = true;
}

// An underlay's render only stores its layer: the render of the slot's own
// layer, which follows it, composites them all, so neither the copy of the
// source nor a compositing is spent on the output here.
void renderUnderlay(EngineState& state, const ActionArguments& args) {
  if (!hasColumnsToScan(args)) {
    state.slots.invalidate(args.layerSlot, args.underlay);
    return;
  }
  Render& render = state.beginRender(args.layerSlot, args.underlay);
  const LayerSlot* slot = state.slots.find(args.layerSlot, args.underlay);
  const Reuse reuse = reuseFor(render.record, args, state.texture, slot != nullptr && slot->valid);
  render.args = args;
  render.workers = state.workers;
  renderLayer(state, render, reuse);
}

}  // namespace

void runAction(EngineState& state, const ActionArguments& args) {
  if (args.underlay != 0) {
    renderUnderlay(state, args);
    return;
  }
  if (!hasColumnsToScan(args)) {
    copySourceToOutput(args);
    state.slots.invalidate(args.layerSlot);
    return;
  }
  const bool apart = liesApart(args);
  if (!apart) copySourceToOutput(args);
  Render& render = state.beginRender(args.layerSlot);
  const LayerSlot* slot = state.slots.find(args.layerSlot);
  const Reuse reuse = reuseFor(render.record, args, state.texture, slot != nullptr && slot->valid);
  // A render that takes over the stored layer has no steps to run beside
  // the copy: each row is copied as it is composited, while in the cache.
  const bool copyWhileCompositing = apart && reuse == Reuse::kLayer;
  std::optional<SourceCopy> copy;
  if (apart && !copyWhileCompositing) copy.emplace(args, state.workers);
  render.args = args;
  render.workers = state.workers;
  renderLayer(state, render, reuse);
  if (copy) copy->finish();
  compositeSlots(state.slots, args, state.workers, copyWhileCompositing ? args.source : nullptr,
                 state.preview);
}

}  // namespace velloro
