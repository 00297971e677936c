// Drives the engine's four entry points with call sequences decoded from the
// input: buffers always sized as the entry points expect, every other
// argument anywhere from its documented range to the 32-bit extremes.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine.h"
#include "fuzz_input.h"

namespace {

unsigned long long engineCalls = 0;

void reportCalls() { std::fprintf(stderr, "engine calls: %llu\n", engineCalls); }

struct Pictures {
  int32_t maskStride;
  int32_t maskRows;
  int32_t outputStride;
  int32_t outputRows;
  std::vector<uint8_t> mask;
  std::vector<uint8_t> source;
  std::vector<uint8_t> output;
};

std::vector<uint8_t> pictureOf(FuzzInput& input, int32_t stride, int32_t rows) {
  std::vector<uint8_t> bytes(size_t(stride) * size_t(rows));
  // A few stamped rectangles make elements with boundaries, which random
  // bytes alone rarely do.
  for (uint8_t& byte : bytes) byte = 255;
  const int rectangles = input.within(0, 3);
  for (int r = 0; r < rectangles; ++r) {
    const int32_t top = input.within(0, rows - 1);
    const int32_t bottom = input.within(top, rows - 1);
    const int32_t left = input.within(0, stride / 3 - 1);
    const int32_t right = input.within(left, stride / 3 - 1);
    const uint8_t shade = input.byte();
    for (int32_t y = top; y <= bottom; ++y)
      for (int32_t x = 3 * left; x < 3 * right + 3; ++x) bytes[size_t(y) * stride + x] = shade;
  }
  return bytes;
}

Pictures picturesOf(FuzzInput& input) {
  Pictures pictures;
  pictures.maskStride = 3 * input.within(1, 48);
  pictures.maskRows = input.within(1, 48);
  pictures.outputStride = 3 * input.within(1, 48) + input.within(0, 3);
  pictures.outputRows = input.within(1, 48);
  pictures.mask = pictureOf(input, pictures.maskStride, pictures.maskRows);
  pictures.source = pictureOf(input, pictures.outputStride, pictures.outputRows);
  pictures.output.assign(pictures.source.size(), 0);
  return pictures;
}

void callAction(FuzzInput& input, Pictures& p) {
  std::vector<uint8_t> mask = p.mask;  // the engine fills gaps in the mask
  int32_t knots[12];
  for (int32_t& knot : knots) knot = input.argument(0, 255);
  ACTION(mask.data(), p.source.data(), p.output.data(), p.maskStride, p.maskRows, p.outputStride,
         p.outputRows, input.argument(-60, 60), input.argument(-60, 60), input.argument(1, 300),
         input.argument(0, 3), input.argument(0, 2), input.argument(0, 7), input.argument(0, 2),
         input.argument(0, 7), input.argument(0, 100), input.argument(0, 100),
         input.argument(0, 255), input.argument(0, 255), input.argument(0, 255),
         input.argument(0, 255), input.argument(0, 255), input.argument(0, 255), input.within(1, 3),
         knots[0], knots[1], knots[2], knots[3], knots[4], knots[5], knots[6], knots[7], knots[8],
         knots[9], knots[10], knots[11]);
}

void callTexture(FuzzInput& input) {
  if (input.byte() % 4 == 0) {
    TEXTURE(nullptr, 0, 0, 0, 0);
    return;
  }
  const int32_t stride = 3 * input.within(1, 24) + input.within(0, 3);
  const int32_t rows = input.within(1, 24);
  std::vector<uint8_t> tile(size_t(stride) * size_t(rows));
  for (uint8_t& byte : tile) byte = input.byte();
  TEXTURE(tile.data(), input.argument(-40, 40), input.argument(-40, 40), stride, rows);
}

void callFrontiere(FuzzInput& input, Pictures& p) {
  std::vector<uint8_t> picture = p.source;
  std::vector<uint8_t> mask(picture.size(), 0);
  FRONTIERE(picture.data(), mask.data(), p.outputStride, p.outputRows, input.argument(0, 255),
            input.argument(0, 255), input.argument(0, 255), input.argument(0, 255),
            input.argument(0, 255), input.argument(0, 255), input.argument(0, 255),
            input.argument(0, 255), input.argument(0, 255));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(reportCalls);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  Pictures pictures = picturesOf(input);
  for (int call = 0; call < 16 && !input.empty(); ++call) {
    switch (input.byte() % 4) {
      case 0: callAction(input, pictures); break;
      case 1: callTexture(input); break;
      case 2: callFrontiere(input, pictures); break;
      default: DESTRUCTION(); break;
    }
    ++engineCalls;
  }
  DESTRUCTION();
  ++engineCalls;
  return 0;
}
