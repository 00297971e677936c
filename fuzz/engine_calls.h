// What the engine targets decode from their input before a call: pictures
// sized as the entry points expect, a layer's settings and a texture tile.
// Every value is read into a variable first: the order in which a call's
// arguments are evaluated is the compiler's, so decoding inside the call
// would make an input mean different calls on different compilers.
#pragma once

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

#include "fuzz_input.h"

struct EnginePictures {
  int32_t maskStride;
  int32_t maskRows;
  int32_t outputStride;
  int32_t outputRows;
  std::vector<uint8_t> mask;
  std::vector<uint8_t> source;
  std::vector<uint8_t> output;
};

// A bright picture with up to three stamped rectangles: elements with
// boundaries, which random bytes alone rarely make.
inline std::vector<uint8_t> stampedPicture(FuzzInput& input, int32_t stride, int32_t rows) {
  std::vector<uint8_t> bytes(size_t(stride) * size_t(rows), 255);
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

// A mask and a background of up to `largestSide` pixels a side; the output
// rows may carry up to three bytes of padding.
inline EnginePictures enginePicturesOf(FuzzInput& input, int32_t largestSide) {
  EnginePictures p;
  p.maskStride = 3 * input.within(1, largestSide);
  p.maskRows = input.within(1, largestSide);
  p.outputStride = 3 * input.within(1, largestSide) + input.within(0, 3);
  p.outputRows = input.within(1, largestSide);
  p.mask = stampedPicture(input, p.maskStride, p.maskRows);
  p.source = stampedPicture(input, p.outputStride, p.outputRows);
  p.output.assign(p.source.size(), 0);
  return p;
}

// Offsets, smoothing, pattern, curve axis, material, deformation, effect,
// their amounts, effect values, fill, slot, then six knot positions and six
// values: the arguments of a render after its buffers.
using LayerArguments = std::array<int32_t, 29>;

inline LayerArguments layerArgumentsOf(FuzzInput& input) {
  constexpr std::pair<int32_t, int32_t> ranges[] = {
      {-60, 60}, {-60, 60}, {1, 300}, {0, 3},   {0, 2},   {0, 7},   {0, 2},   {0, 7},
      {0, 100},  {0, 100},  {0, 255}, {0, 255}, {0, 255}, {0, 255}, {0, 255}, {0, 255}};
  LayerArguments arguments{};
  size_t at = 0;
  for (const auto& [low, high] : ranges) arguments[at++] = input.argument(low, high);
  arguments[at++] = input.within(1, 3);  // the slot is always one the engine has
  while (at < arguments.size()) arguments[at++] = input.argument(0, 255);
  return arguments;
}

// Calls `render` with a copy of the mask (the engine fills gaps in it), the
// background, the output, their sizes and the layer's arguments.
template <typename Render>
void renderLayer(EnginePictures& p, const LayerArguments& arguments, Render render) {
  std::vector<uint8_t> mask = p.mask;
  std::apply(
      [&](auto... values) {
        render(mask.data(), p.source.data(), p.output.data(), p.maskStride, p.maskRows,
               p.outputStride, p.outputRows, values...);
      },
      arguments);
}

struct FuzzTile {
  std::vector<uint8_t> bytes;
  int32_t columnOffset;
  int32_t rowOffset;
  int32_t stride;
  int32_t rows;
};

inline FuzzTile tileOf(FuzzInput& input) {
  FuzzTile tile;
  tile.stride = 3 * input.within(1, 24) + input.within(0, 3);
  tile.rows = input.within(1, 24);
  tile.bytes.resize(size_t(tile.stride) * size_t(tile.rows));
  for (uint8_t& byte : tile.bytes) byte = input.byte();
  tile.columnOffset = input.argument(-40, 40);
  tile.rowOffset = input.argument(-40, 40);
  return tile;
}
