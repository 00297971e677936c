// Drives the engine's four entry points with call sequences decoded from the
// input: buffers always sized as the entry points expect, every other
// argument anywhere from its documented range to the 32-bit extremes.
#include <cstdio>
#include <cstdlib>

#include "engine.h"
#include "engine_calls.h"

namespace {

unsigned long long engineCalls = 0;

void reportCalls() { std::fprintf(stderr, "engine calls: %llu\n", engineCalls); }

void callTexture(FuzzInput& input) {
  if (input.byte() % 4 == 0) {
    TEXTURE(nullptr, 0, 0, 0, 0);
    return;
  }
  FuzzTile tile = tileOf(input);
  TEXTURE(tile.bytes.data(), tile.columnOffset, tile.rowOffset, tile.stride, tile.rows);
}

void callFrontiere(FuzzInput& input, EnginePictures& p) {
  std::vector<uint8_t> picture = p.source;
  std::vector<uint8_t> mask(picture.size(), 0);
  int32_t ranges[9];
  for (int32_t& value : ranges) value = input.argument(0, 255);
  FRONTIERE(picture.data(), mask.data(), p.outputStride, p.outputRows, ranges[0], ranges[1],
            ranges[2], ranges[3], ranges[4], ranges[5], ranges[6], ranges[7], ranges[8]);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(reportCalls);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  EnginePictures pictures = enginePicturesOf(input, 48);
  for (int call = 0; call < 16 && !input.empty(); ++call) {
    switch (input.byte() % 4) {
      case 0: renderLayer(pictures, layerArgumentsOf(input), ACTION); break;
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
