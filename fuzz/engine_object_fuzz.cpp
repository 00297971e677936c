// Drives engine objects with call sequences decoded from the input: two
// objects and the handles of freed ones, renders at densities in and out of
// 1..4, buffers sized as the calls expect and every other argument anywhere
// from its documented range to the 32-bit extremes.
#include <array>
#include <cstdlib>
#include <vector>

#include "engine.h"
#include "fuzz_input.h"

namespace {

struct Pictures {
  int32_t maskStride;
  int32_t maskRows;
  int32_t outputStride;
  int32_t outputRows;
  std::vector<uint8_t> mask;
  std::vector<uint8_t> source;
  std::vector<uint8_t> output;
};

// A bright picture with a dark rectangle, so the mask has an outline.
std::vector<uint8_t> pictureOf(FuzzInput& input, int32_t stride, int32_t rows) {
  std::vector<uint8_t> bytes(size_t(stride) * size_t(rows), 255);
  const int32_t top = input.within(0, rows - 1);
  const int32_t bottom = input.within(top, rows - 1);
  const int32_t left = input.within(0, stride / 3 - 1);
  const int32_t right = input.within(left, stride / 3 - 1);
  for (int32_t y = top; y <= bottom; ++y)
    for (int32_t x = 3 * left; x < 3 * right + 3; ++x) bytes[size_t(y) * stride + x] = 0;
  return bytes;
}

Pictures picturesOf(FuzzInput& input) {
  Pictures p;
  p.maskStride = 3 * input.within(1, 96);
  p.maskRows = input.within(1, 96);
  p.outputStride = 3 * input.within(1, 96) + input.within(0, 3);
  p.outputRows = input.within(1, 96);
  p.mask = pictureOf(input, p.maskStride, p.maskRows);
  p.source = pictureOf(input, p.outputStride, p.outputRows);
  p.output.assign(p.source.size(), 0);
  return p;
}

void render(FuzzInput& input, VelloroEngine* engine, Pictures& p) {
  std::vector<uint8_t> mask = p.mask;
  int32_t knots[12];
  for (int32_t& knot : knots) knot = input.argument(0, 255);
  ENGINE_ACTION(engine, input.argument(1, 4), mask.data(), p.source.data(), p.output.data(),
                p.maskStride, p.maskRows, p.outputStride, p.outputRows, input.argument(-60, 60),
                input.argument(-60, 60), input.argument(1, 300), input.argument(0, 3),
                input.argument(0, 2), input.argument(0, 7), input.argument(0, 2),
                input.argument(0, 7), input.argument(0, 100), input.argument(0, 100),
                input.argument(0, 255), input.argument(0, 255), input.argument(0, 255),
                input.argument(0, 255), input.argument(0, 255), input.argument(0, 255),
                input.within(1, 3), knots[0], knots[1], knots[2], knots[3], knots[4], knots[5],
                knots[6], knots[7], knots[8], knots[9], knots[10], knots[11]);
}

void texture(FuzzInput& input, VelloroEngine* engine) {
  const int32_t stride = 3 * input.within(1, 24) + input.within(0, 3);
  const int32_t rows = input.within(1, 24);
  std::vector<uint8_t> tile(size_t(stride) * size_t(rows));
  for (uint8_t& byte : tile) byte = input.byte();
  ENGINE_TEXTURE(engine, tile.data(), input.argument(-40, 40), input.argument(-40, 40), stride,
                 rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  Pictures pictures = picturesOf(input);
  // Two live objects and, once freed, their handles, which must be refused.
  std::array<VelloroEngine*, 2> live{ENGINE_NEW(input.argument(1, 4)), ENGINE_NEW(1)};
  std::vector<VelloroEngine*> freed{nullptr};
  for (int call = 0; call < 16 && !input.empty(); ++call) {
    const bool onFreed = input.byte() % 8 == 0;
    VelloroEngine* engine =
        onFreed ? freed[input.within(0, int32_t(freed.size()) - 1)] : live[input.byte() % 2];
    switch (input.byte() % 5) {
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
