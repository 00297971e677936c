// Drives engine objects with call sequences decoded from the input: two
// objects and the handles of freed ones, renders at densities in and out of
// 1..4, stops asked between calls, buffers sized as the calls expect and
// every other argument anywhere from its documented range to the 32-bit
// extremes. A stop asked while no render runs must never stop a later one.
#include <array>
#include <cstdlib>

#include "engine.h"
#include "engine_calls.h"

namespace {

void render(FuzzInput& input, VelloroEngine* engine, EnginePictures& p) {
  const int32_t density = input.argument(1, 4);
  renderLayer(p, layerArgumentsOf(input), [&](auto... arguments) {
    if (ENGINE_ACTION(engine, density, arguments...) == ENGINE_STOPPED) std::abort();
  });
}

void stop(VelloroEngine* engine, bool onFreed) {
  const bool known = !onFreed && engine != nullptr;  // a live object, unless memory ran out
  if (ENGINE_STOP(engine) != (known ? ENGINE_DONE : ENGINE_REFUSED)) std::abort();
}

void texture(FuzzInput& input, VelloroEngine* engine) {
  FuzzTile tile = tileOf(input);
  ENGINE_TEXTURE(engine, tile.bytes.data(), tile.columnOffset, tile.rowOffset, tile.stride,
                 tile.rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  EnginePictures pictures = enginePicturesOf(input, 96);
  // Two live objects and, once freed, their handles, which must be refused.
  std::array<VelloroEngine*, 2> live{ENGINE_NEW(input.argument(1, 4)), ENGINE_NEW(1)};
  std::vector<VelloroEngine*> freed{nullptr};
  for (int call = 0; call < 16 && !input.empty(); ++call) {
    const bool onFreed = input.byte() % 8 == 0;
    VelloroEngine* engine =
        onFreed ? freed[input.within(0, int32_t(freed.size()) - 1)] : live[input.byte() % 2];
    switch (input.byte() % 6) {
      case 0: render(input, engine, pictures); break;
      case 1: texture(input, engine); break;
      case 2: ENGINE_DESTRUCTION(engine); break;
      case 3: {
        std::vector<uint8_t> picture = pictures.source;
        std::vector<uint8_t> mask(picture.size(), 0);
        ENGINE_FRONTIERE(engine, picture.data(), mask.data(), pictures.outputStride,
                         pictures.outputRows, 0, 0, 0, 0, 255, 0, 255, 0, 255);
        break;
      }
      case 4: stop(engine, onFreed); break;
      default:
        if (onFreed) {
          if (ENGINE_FREE(engine) != ENGINE_REFUSED) std::abort();
        } else {
          const size_t which = input.byte() % 2;
          ENGINE_FREE(live[which]);
          freed.push_back(live[which]);
          live[which] = ENGINE_NEW(1);
        }
    }
  }
  for (VelloroEngine* engine : live) ENGINE_FREE(engine);
  return 0;
}
