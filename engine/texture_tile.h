// The texture tile the shading samples instead of the fill colour.
#pragma once

#include <cstdint>
#include <vector>

namespace velloro {

struct Colour {
  int32_t blue = 0;
  int32_t green = 0;
  int32_t red = 0;
};

class TextureTile {
 public:
  // Replaces the tile with a copy of `rows` rows of `stride` bytes.
  void install(const uint8_t* picture, int32_t rowOffset, int32_t columnOffset, int32_t stride,
               int32_t rows);
  void release();

  // Whether tiled sampling is on (a stride and at least one row).
  bool isSet() const { return stride_ > 0 && rows_ > 0; }
  // Whether every lookup of the two tiles gives the same colour: tiles that
  // are not set all read black.
  bool samplesAs(const TextureTile& other) const;

  // Pixel repeated every texture-rows rows and (texture width - 1) columns,
  // for mask pixel (row, column) of a mask `maskRows` high; at a density
  // above 1 each texture pixel, and the offsets, cover that many pixels
  // each way, counted from the mask's top left.
  Colour tiled(int32_t maskRows, int32_t row, int32_t column, int32_t density = 1) const;
  // Pixel placed once at the tile's offsets, without wrapping; lookups that
  // fall outside the tile read its nearest byte (black when none is set).
  Colour placed(int32_t maskRows, int32_t row, int32_t column) const;

 private:
  Colour at(int64_t offset) const;

  std::vector<uint8_t> bytes_;
  int32_t stride_ = 0;
  int32_t rows_ = 0;
  int32_t rowOffset_ = 0;
  int32_t columnOffset_ = 0;
};

}  // namespace velloro
