// An engine library that hands every call on to the real engine and counts
// the renders (ENGINE_ACTION calls) made through it, for tests that check
// how many renders a window frame costs without timing it.
#include <dlfcn.h>

#include <atomic>
#include <cstdlib>

#include "engine.h"

namespace {

// The real engine, loaded apart so its names do not meet this library's.
void* realEngine() {
  static void* const handle = dlopen(REAL_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!handle) std::abort();
  return handle;
}

template <typename Function>
Function real(Function, const char* name) {
  auto function = reinterpret_cast<Function>(dlsym(realEngine(), name));
  if (!function) std::abort();
  return function;
}

std::atomic<long long> renders{0};

}  // namespace

#define FORWARD(name, ...)                            \
  static const auto forwarded = real(&::name, #name); \
  return forwarded(__VA_ARGS__)

extern "C" {

VELLORO_EXPORT long long countedRenders() { return renders.load(); }

VelloroEngine* ENGINE_NEW(int32_t threads) { FORWARD(ENGINE_NEW, threads); }

int32_t ENGINE_FREE(VelloroEngine* engine) { FORWARD(ENGINE_FREE, engine); }

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
  ++renders;
  FORWARD(ENGINE_ACTION, engine, density, mask, source, output, maskStride, maskRows, outputStride,
          outputRows, columnOffset, rowOffset, smoothingSize, surfacePattern, curveAxis, material,
          deformationType, effectType, deformationAmount, effectAmount, effectValue1, effectValue2,
          effectValue3, fillRed, fillGreen, fillBlue, layerSlot, x1, x2, x3, x4, x5, x6, y1, y2, y3,
          y4, y5, y6);
}

int32_t ENGINE_PREVIEW(VelloroEngine* engine, int32_t on) { FORWARD(ENGINE_PREVIEW, engine, on); }

int32_t ENGINE_UNDERLAY(VelloroEngine* engine, int32_t underlay) {
  FORWARD(ENGINE_UNDERLAY, engine, underlay);
}

int32_t ENGINE_KEEP_UNDERLAYS(VelloroEngine* engine, int32_t layerSlot, int32_t count) {
  FORWARD(ENGINE_KEEP_UNDERLAYS, engine, layerSlot, count);
}

int32_t ENGINE_STOP(VelloroEngine* engine) { FORWARD(ENGINE_STOP, engine); }

int32_t ENGINE_DESTRUCTION(VelloroEngine* engine) { FORWARD(ENGINE_DESTRUCTION, engine); }

int32_t ENGINE_TEXTURE(VelloroEngine* engine, const uint8_t* tile, int32_t rowOffset,
                       int32_t columnOffset, int32_t stride, int32_t rows) {
  FORWARD(ENGINE_TEXTURE, engine, tile, rowOffset, columnOffset, stride, rows);
}

int32_t ENGINE_FRONTIERE(VelloroEngine* engine, uint8_t* picture, uint8_t* mask, int32_t stride,
                         int32_t rows, int32_t keyRed, int32_t keyGreen, int32_t keyBlue,
                         int32_t redMin, int32_t redMax, int32_t greenMin, int32_t greenMax,
                         int32_t blueMin, int32_t blueMax) {
  FORWARD(ENGINE_FRONTIERE, engine, picture, mask, stride, rows, keyRed, keyGreen, keyBlue, redMin,
          redMax, greenMin, greenMax, blueMin, blueMax);
}
}
