#include "render_record.h"

#include <cstring>

#include "effect_reach.h"
#include "render.h"

namespace velloro {
namespace {

size_t maskBytes(const ActionArguments& args) {
  return static_cast<size_t>(args.maskStride) * static_cast<size_t>(args.maskRows);
}

bool sameMask(const RenderRecord& kept, const ActionArguments& args) {
  return kept.mask.size() == maskBytes(args) &&
         std::memcmp(kept.mask.data(), args.mask, kept.mask.size()) == 0;
}

// The arguments the outline steps read besides the mask: its size and
// density, the smoothing steps, the slot (whose number sets the region) and whether the
// element's search writes the nearest points for the direction fields.
bool sameOutlineArguments(const ActionArguments& a, const ActionArguments& b) {
  return a.maskStride == b.maskStride && a.maskRows == b.maskRows && a.layerSlot == b.layerSlot &&
         a.density == b.density &&
         smoothingStepsFor(a.smoothingSize) == smoothingStepsFor(b.smoothingSize) &&
         needsDirectionFields(a) == needsDirectionFields(b);
}

// What the steps of the surroundings read besides: how far the background
// is searched and how far its light is worked out.
bool sameSurroundingArguments(const ActionArguments& a, const ActionArguments& b) {
  return isOuterEffect(a.effectType) == isOuterEffect(b.effectType) &&
         outerEffectReach(a) == outerEffectReach(b) &&
         backgroundLightReach(a) == backgroundLightReach(b);
}

// The arguments the shading, the outer effect and the edge smoothing read
// besides the geometry. Shadows are laid when compositing, so an effect
// that is not an outer one leaves the layer alone.
bool sameLayerArguments(const ActionArguments& a, const ActionArguments& b) {
  const bool sameShading = a.surfacePattern == b.surfacePattern && a.curveAxis == b.curveAxis &&
                           a.material == b.material && a.knotX == b.knotX && a.knotY == b.knotY &&
                           a.fillRed == b.fillRed && a.fillGreen == b.fillGreen &&
                           a.fillBlue == b.fillBlue;
  if (!sameShading || isOuterEffect(a.effectType) != isOuterEffect(b.effectType)) return false;
  if (!isOuterEffect(a.effectType)) return true;
  return a.effectType == b.effectType && a.effectAmount == b.effectAmount &&
         a.effectValue1 == b.effectValue1 && a.effectValue2 == b.effectValue2 &&
         a.effectValue3 == b.effectValue3;
}

}  // namespace

void RenderRecord::takeMask(const ActionArguments& args) {
  mask.assign(args.mask, args.mask + maskBytes(args));
}

Reuse reuseFor(const RenderRecord& kept, const ActionArguments& args, const TextureTile& texture,
               bool slotValid) {
  if (!kept.geometryKept || !sameOutlineArguments(kept.args, args) || !sameMask(kept, args))
    return Reuse::kNothing;
  if (!sameSurroundingArguments(kept.args, args)) {
    // The background's light, read by the direction fields, reaches as far.
    const bool sameLight = backgroundLightReach(kept.args) == backgroundLightReach(args);
    return sameLight ? Reuse::kElement : Reuse::kOutline;
  }
  const bool sameLayer = kept.layerKept && slotValid && sameLayerArguments(kept.args, args) &&
                         kept.texture.samplesAs(texture);
  return sameLayer ? Reuse::kLayer : Reuse::kGeometry;
}

}  // namespace velloro
