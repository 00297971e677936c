// Pictures in the engine's layout, and layers rendered through the entry
// points the way the program calls them, with readable settings.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine.h"
#include "engine_state.h"
#include "text_like_mask.h"

namespace velloro::test {

// Blue, green, red of one pixel.
using Bgr = std::array<int32_t, 3>;
inline constexpr Bgr kWhite{255, 255, 255};
inline constexpr Bgr kRed{0, 0, 255};

struct Picture {
  int32_t width = 0;
  int32_t rows = 0;
  int32_t stride = 0;
  std::vector<uint8_t> bytes;

  Picture(int32_t pictureWidth, int32_t pictureRows, uint8_t fill = 255)
      : width(pictureWidth),
        rows(pictureRows),
        stride((3 * pictureWidth + 3) / 4 * 4),
        bytes(static_cast<size_t>(stride) * pictureRows, fill) {}

  uint8_t* data() { return bytes.data(); }
  size_t offset(int32_t row, int32_t column) const {
    return static_cast<size_t>(row) * stride + 3 * static_cast<size_t>(column);
  }
  Bgr at(int32_t row, int32_t column) const {
    const size_t o = offset(row, column);
    return {bytes[o], bytes[o + 1], bytes[o + 2]};
  }
  bool isDark(int32_t row, int32_t column) const { return bytes[offset(row, column)] < 128; }
  void setDark(int32_t row, int32_t column) { setColour(row, column, 0, 0, 0); }
  void setColour(int32_t row, int32_t column, uint8_t blue, uint8_t green, uint8_t red) {
    const size_t at = offset(row, column);
    bytes[at] = blue;
    bytes[at + 1] = green;
    bytes[at + 2] = red;
  }
  void fillRectangle(int32_t firstRow, int32_t firstColumn, int32_t lastRow, int32_t lastColumn) {
    for (int32_t r = firstRow; r <= lastRow; ++r)
      for (int32_t c = firstColumn; c <= lastColumn; ++c) setDark(r, c);
  }
};

// A white mask with one dark rectangle, its corners included.
inline Picture rectangleMask(int32_t width, int32_t rows, int32_t top, int32_t left, int32_t bottom,
                             int32_t right) {
  Picture mask(width, rows);
  mask.fillRectangle(top, left, bottom, right);
  return mask;
}

// The benchmarks' mask of a line of text, `margin` pixels from its edges.
inline Picture textMask(int32_t width, int32_t rows, int32_t margin = 0) {
  Picture mask(width, rows);
  mask.bytes = bench::textLikeMask(width, rows, margin).bytes;
  return mask;
}

// Bytes unlike their neighbours', so that every copy and blend shows: byte
// i is base + i * step % modulus.
inline void paintPattern(Picture& picture, size_t step = 31, size_t modulus = 251,
                         size_t base = 0) {
  for (size_t i = 0; i < picture.bytes.size(); ++i)
    picture.bytes[i] = static_cast<uint8_t>(base + i * step % modulus);
}

inline Picture patternedPicture(int32_t width, int32_t rows, size_t step, size_t modulus,
                                size_t base = 0) {
  Picture picture(width, rows);
  paintPattern(picture, step, modulus, base);
  return picture;
}

struct LayerSettings {
  int32_t columnOffset = 0;
  int32_t rowOffset = 0;
  int32_t smoothingSize = 50;
  int32_t surfacePattern = 0;
  int32_t curveAxis = 2;
  int32_t material = 0;
  int32_t deformationType = 0;
  int32_t effectType = 0;
  int32_t deformationAmount = 50;
  int32_t effectAmount = 50;
  int32_t effectValue1 = 0;  // effect red, or shadow offset X / height
  int32_t effectValue2 = 0;  // effect green, or shadow offset Y / orientation
  int32_t effectValue3 = 0;  // effect blue
  int32_t fillRed = 128;
  int32_t fillGreen = 128;
  int32_t fillBlue = 128;
  int32_t layerSlot = 1;
  std::array<int32_t, 6> knotX{0, 51, 102, 153, 204, 255};
  std::array<int32_t, 6> knotY{0, 51, 102, 153, 204, 255};
};

// A picture and the output it is composited into; the output starts as a
// copy of the background.
struct Canvas {
  Picture background;
  Picture output;

  Canvas(int32_t width, int32_t rows, uint8_t fill = 255)
      : background(width, rows, fill), output(width, rows, fill) {}

  Bgr at(int32_t row, int32_t column) const { return output.at(row, column); }
};

// TEXTURE and ACTION of a layer into `canvas.output`, with a texture tile
// placed at `textureOffset` both ways or none; the render fills
// single-pixel gaps in the mask, and lives on until DESTRUCTION.
inline void startRender(Canvas& canvas, Picture& mask, const LayerSettings& s,
                        const Picture* texture = nullptr, int32_t textureOffset = 0) {
  TEXTURE(texture ? texture->bytes.data() : nullptr, textureOffset, textureOffset,
          texture ? texture->stride : 0, texture ? texture->rows : 0);
  ACTION(mask.data(), canvas.background.data(), canvas.output.data(), mask.stride, mask.rows,
         canvas.output.stride, canvas.output.rows, s.columnOffset, s.rowOffset, s.smoothingSize,
         s.surfacePattern, s.curveAxis, s.material, s.deformationType, s.effectType,
         s.deformationAmount, s.effectAmount, s.effectValue1, s.effectValue2, s.effectValue3,
         s.fillRed, s.fillGreen, s.fillBlue, s.layerSlot, s.knotX[0], s.knotX[1], s.knotX[2],
         s.knotX[3], s.knotX[4], s.knotX[5], s.knotY[0], s.knotY[1], s.knotY[2], s.knotY[3],
         s.knotY[4], s.knotY[5]);
}

// One full render cycle of a layer on a copy of its mask.
inline void render(Canvas& canvas, const Picture& mask, const LayerSettings& s,
                   const Picture* texture = nullptr, int32_t textureOffset = 0) {
  Picture maskCopy = mask;
  startRender(canvas, maskCopy, s, texture, textureOffset);
  DESTRUCTION();
}

// ENGINE_ACTION of a layer on an engine object into `canvas.output`.
inline int32_t engineAction(VelloroEngine* engine, int32_t density, Canvas& canvas, Picture& mask,
                            const LayerSettings& s) {
  return ENGINE_ACTION(engine, density, mask.data(), canvas.background.data(), canvas.output.data(),
                       mask.stride, mask.rows, canvas.output.stride, canvas.output.rows,
                       s.columnOffset, s.rowOffset, s.smoothingSize, s.surfacePattern, s.curveAxis,
                       s.material, s.deformationType, s.effectType, s.deformationAmount,
                       s.effectAmount, s.effectValue1, s.effectValue2, s.effectValue3, s.fillRed,
                       s.fillGreen, s.fillBlue, s.layerSlot, s.knotX[0], s.knotX[1], s.knotX[2],
                       s.knotX[3], s.knotX[4], s.knotX[5], s.knotY[0], s.knotY[1], s.knotY[2],
                       s.knotY[3], s.knotY[4], s.knotY[5]);
}

// ENGINE_TEXTURE of `texture` placed at 0, 0, or of none.
inline int32_t engineTexture(VelloroEngine* engine, const Picture* texture) {
  return ENGINE_TEXTURE(engine, texture ? texture->bytes.data() : nullptr, 0, 0,
                        texture ? texture->stride : 0, texture ? texture->rows : 0);
}

// Empties all layer slots, as at library load.
inline void clearLayerSlots() {
  for (int32_t slot = 1; slot <= LayerSlots::kCount; ++slot) engineState().slots.invalidate(slot);
}

// Layer tests start from empty slots.
class LayerTest : public ::testing::Test {
 protected:
  void SetUp() override { clearLayerSlots(); }
};

}  // namespace velloro::test
