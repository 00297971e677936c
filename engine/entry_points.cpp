// The exported C entry points. Nothing may escape them: an allocation that
// fails ends the call quietly, leaving the output as far as it got.
#include <new>

#include "action.h"
#include "colour_keying.h"
#include "engine.h"
#include "engine_state.h"

namespace velloro {

EngineState& engineState() {
  static EngineState state;
  return state;
}

}  // namespace velloro

using velloro::engineState;

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
  const velloro::ActionArguments args{mask,
                                      source,
                                      output,
                                      maskStride,
                                      maskRows,
                                      outputStride,
                                      outputRows,
                                      columnOffset,
                                      rowOffset,
                                      smoothingSize,
                                      velloro::SurfacePatternType{surfacePattern},
                                      velloro::CurveAxis{curveAxis},
                                      velloro::Material{material},
                                      velloro::DeformationType{deformationType},
                                      velloro::EffectType{effectType},
                                      deformationAmount,
                                      effectAmount,
                                      effectValue1,
                                      effectValue2,
                                      effectValue3,
                                      fillRed,
                                      fillGreen,
                                      fillBlue,
                                      layerSlot,
                                      {x1, x2, x3, x4, x5, x6},
                                      {y1, y2, y3, y4, y5, y6}};
  try {
    velloro::runAction(engineState(), args);
  } catch (const std::bad_alloc&) {
    engineState().render.reset();
  }
  return 0;
}

void DESTRUCTION(void) {
  engineState().endRender();
  engineState().texture.release();
}

int32_t TEXTURE(const uint8_t* tile, int32_t rowOffset, int32_t columnOffset, int32_t stride,
                int32_t rows) {
  try {
    engineState().texture.install(tile, rowOffset, columnOffset, stride, rows);
  } catch (const std::bad_alloc&) {
    engineState().texture.release();
  }
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
}
