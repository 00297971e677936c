// The exported C entry points. Nothing may escape them: an allocation that
// fails ends the call quietly, leaving the output as far as it got.
#include <algorithm>
#include <new>

#include "action.h"
#include "colour_keying.h"
#include "engine.h"
#include "engine_object.h"

namespace velloro {
namespace {

ActionArguments actionArguments(uint8_t* mask, const uint8_t* source, uint8_t* output,
                                int32_t maskStride, int32_t maskRows, int32_t outputStride,
                                int32_t outputRows, int32_t columnOffset, int32_t rowOffset,
                                int32_t smoothingSize, int32_t surfacePattern, int32_t curveAxis,
                                int32_t material, int32_t deformationType, int32_t effectType,
                                int32_t deformationAmount, int32_t effectAmount,
                                int32_t effectValue1, int32_t effectValue2, int32_t effectValue3,
                                int32_t fillRed, int32_t fillGreen, int32_t fillBlue,
                                int32_t layerSlot, std::array<int32_t, 6> knotX,
                                std::array<int32_t, 6> knotY) {
  return {mask,
          source,
          output,
          maskStride,
          maskRows,
          outputStride,
          outputRows,
          columnOffset,
          rowOffset,
          smoothingSize,
          SurfacePatternType{surfacePattern},
          CurveAxis{curveAxis},
          Material{material},
          DeformationType{deformationType},
          EffectType{effectType},
          deformationAmount,
          effectAmount,
          effectValue1,
          effectValue2,
          effectValue3,
          fillRed,
          fillGreen,
          fillBlue,
          layerSlot,
          knotX,
          knotY};
}

// A stopped render may have left its layer half made, or made and stored
// with the output half composited: the slot it replaces is emptied and its
// arrays dropped, so the next render into it starts from nothing.
void dropStoppedRender(EngineState& state, const ActionArguments& args) {
  state.render.reset();
  state.slots.invalidate(args.layerSlot, args.underlay);
}

int32_t act(EngineObject& object, ActionArguments args) {
  const std::lock_guard<std::mutex> turn(object.turn);
  object.stopAsked.store(false);
  args.underlay = object.state.underlay;
  try {
    runAction(object.state, args);
  } catch (const std::bad_alloc&) {
    object.state.render.reset();
    return ENGINE_REFUSED;
  } catch (const RenderStopped&) {
    dropStoppedRender(object.state, args);
    return ENGINE_STOPPED;
  }
  return ENGINE_DONE;
}

void endRender(EngineObject& object) {
  const std::lock_guard<std::mutex> turn(object.turn);
  object.state.endRender();
  object.state.texture.release();
}

void installTexture(EngineObject& object, const uint8_t* tile, int32_t rowOffset,
                    int32_t columnOffset, int32_t stride, int32_t rows) {
  const std::lock_guard<std::mutex> turn(object.turn);
  try {
    object.state.texture.install(tile, rowOffset, columnOffset, stride, rows);
  } catch (const std::bad_alloc&) {
    object.state.texture.release();
  }
}

std::uintptr_t handleOf(VelloroEngine* engine) { return reinterpret_cast<std::uintptr_t>(engine); }

}  // namespace
}  // namespace velloro

using velloro::defaultEngineObject;
using velloro::findEngineObject;
using velloro::handleOf;

extern "C" {

int32_t ACTION(uint8_t* mask, const uint8_t* source, uint8_t* output, int32_t maskStride,
               int32_t maskRows, int32_t outputStride, int32_t outputRows, int32_t columnOffset,
               int32_t rowOffset, int32_t smoothingSize, int32_t surfacePattern, int32_t curveAxis,
               int32_t material, int32_t deformationType, int32_t effectType,
               int32_t deformationAmount, int32_t effectAmount, int32_t effectValue1,
               int32_t effectValue2, int32_t effectValue3, int32_t fillRed, int32_t fillGreen,
               int32_t fillBlue, int32_t layerSlot, int32_t x1, int32_t x2, int32_t x3, int32_t x4,
               int32_t x5, int32_t x6, int32_t y1, int32_t y2, int32_t y3, int32_t y4, int32_t y5,
               int32_t y6) {
  velloro::act(defaultEngineObject(),
               velloro::actionArguments(
                   mask, source, output, maskStride, maskRows, outputStride, outputRows,
                   columnOffset, rowOffset, smoothingSize, surfacePattern, curveAxis, material,
                   deformationType, effectType, deformationAmount, effectAmount, effectValue1,
                   effectValue2, effectValue3, fillRed, fillGreen, fillBlue, layerSlot,
                   {x1, x2, x3, x4, x5, x6}, {y1, y2, y3, y4, y5, y6}));
  return 0;
}

void DESTRUCTION(void) { velloro::endRender(defaultEngineObject()); }

int32_t TEXTURE(const uint8_t* tile, int32_t rowOffset, int32_t columnOffset, int32_t stride,
                int32_t rows) {
  velloro::installTexture(defaultEngineObject(), tile, rowOffset, columnOffset, stride, rows);
  return 0;
}

int32_t FRONTIERE(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows, int32_t keyRed,
                  int32_t keyGreen, int32_t keyBlue, int32_t redMin, int32_t redMax,
                  int32_t greenMin, int32_t greenMax, int32_t blueMin, int32_t blueMax) {
  velloro::ColourKey key{keyRed,   keyGreen, keyBlue, redMin, redMax,
                         greenMin, greenMax, blueMin, blueMax};
  velloro::keyColours(picture, mask, stride, rows, key);
  return 0;
}

VelloroEngine* ENGINE_NEW(int32_t threads) {
  if (threads < 1) return nullptr;
  try {
    auto object = std::make_shared<velloro::EngineObject>();
    object->state.workers.threads = std::min(threads, object->state.workers.threads);
    return reinterpret_cast<VelloroEngine*>(velloro::registerEngineObject(std::move(object)));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

int32_t ENGINE_FREE(VelloroEngine* engine) {
  return velloro::unregisterEngineObject(handleOf(engine)) ? ENGINE_DONE : ENGINE_REFUSED;
}

int32_t ENGINE_ACTION(VelloroEngine* engine, int32_t density, uint8_t* mask, const uint8_t* source,
                      uint8_t* output, int32_t maskStride, int32_t maskRows, int32_t outputStride,
                      int32_t outputRows, int32_t columnOffset, int32_t rowOffset,
                      int32_t smoothingSize, int32_t surfacePattern, int32_t curveAxis,
                      int32_t material, int32_t deformationType, int32_t effectType,
                      int32_t deformationAmount, int32_t effectAmount, int32_t effectValue1,
                      int32_t effectValue2, int32_t effectValue3, int32_t fillRed,
                      int32_t fillGreen, int32_t fillBlue, int32_t layerSlot, int32_t x1,
                      int32_t x2, int32_t x3, int32_t x4, int32_t x5, int32_t x6, int32_t y1,
                      int32_t y2, int32_t y3, int32_t y4, int32_t y5, int32_t y6) {
  if (density < 1 || density > velloro::kLargestDensity) return ENGINE_REFUSED;
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  velloro::ActionArguments args = velloro::actionArguments(
      mask, source, output, maskStride, maskRows, outputStride, outputRows, columnOffset, rowOffset,
      smoothingSize, surfacePattern, curveAxis, material, deformationType, effectType,
      deformationAmount, effectAmount, effectValue1, effectValue2, effectValue3, fillRed, fillGreen,
      fillBlue, layerSlot, {x1, x2, x3, x4, x5, x6}, {y1, y2, y3, y4, y5, y6});
  args.density = density;
  return velloro::act(*object, args);
}

int32_t ENGINE_STOP(VelloroEngine* engine) {
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  object->stopAsked.store(true);
  return ENGINE_DONE;
}

int32_t ENGINE_PREVIEW(VelloroEngine* engine, int32_t on) {
  if (on != 0 && on != 1) return ENGINE_REFUSED;
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  const std::lock_guard<std::mutex> turn(object->turn);
  object->state.preview = on == 1;
  return ENGINE_DONE;
}

int32_t ENGINE_UNDERLAY(VelloroEngine* engine, int32_t underlay) {
  if (underlay < 0 || underlay > velloro::kUnderlayCount) return ENGINE_REFUSED;
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  const std::lock_guard<std::mutex> turn(object->turn);
  object->state.underlay = underlay;
  return ENGINE_DONE;
}

int32_t ENGINE_KEEP_UNDERLAYS(VelloroEngine* engine, int32_t layerSlot, int32_t count) {
  if (layerSlot < 1 || layerSlot > velloro::LayerSlots::kCount || count < 0 ||
      count > velloro::kUnderlayCount)
    return ENGINE_REFUSED;
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  const std::lock_guard<std::mutex> turn(object->turn);
  object->state.slots.keepUnderlays(layerSlot, count);
  return ENGINE_DONE;
}

int32_t ENGINE_DESTRUCTION(VelloroEngine* engine) {
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  velloro::endRender(*object);
  return ENGINE_DONE;
}

int32_t ENGINE_TEXTURE(VelloroEngine* engine, const uint8_t* tile, int32_t rowOffset,
                       int32_t columnOffset, int32_t stride, int32_t rows) {
  const auto object = findEngineObject(handleOf(engine));
  if (!object) return ENGINE_REFUSED;
  velloro::installTexture(*object, tile, rowOffset, columnOffset, stride, rows);
  return ENGINE_DONE;
}

int32_t ENGINE_FRONTIERE(VelloroEngine* engine, uint8_t* picture, uint8_t* mask, int32_t stride,
                         int32_t rows, int32_t keyRed, int32_t keyGreen, int32_t keyBlue,
                         int32_t redMin, int32_t redMax, int32_t greenMin, int32_t greenMax,
                         int32_t blueMin, int32_t blueMax) {
  if (!findEngineObject(handleOf(engine))) return ENGINE_REFUSED;
  FRONTIERE(picture, mask, stride, rows, keyRed, keyGreen, keyBlue, redMin, redMax, greenMin,
            greenMax, blueMin, blueMax);
  return ENGINE_DONE;
}
}
