#include <gtest/gtest.h>

#include <set>

#include "engine.h"
#include "engine_state.h"
#include "mask_picture.h"
#include "texture_tile.h"

namespace velloro::test {
namespace {

// A texture whose every pixel tells its own place: blue = column, green = row.
Picture numberedTexture(int32_t width, int32_t rows) {
  Picture texture(width, rows);
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t c = 0; c < width; ++c)
      texture.setColour(r, c, static_cast<uint8_t>(c), static_cast<uint8_t>(r), 7);
  return texture;
}

TEST(TextureTile, TiledLookupRepeatsEveryTextureRowsAndWidthLessOneColumns) {
  Picture texture = numberedTexture(5, 4);  // stride 16: period 16 / 3 - 1 = 4
  TextureTile tile;
  tile.install(texture.data(), 0, 0, texture.stride, texture.rows);
  ASSERT_TRUE(tile.isSet());
  const int32_t maskRows = 10;
  for (int32_t r = 0; r < 12; ++r) {
    for (int32_t c = 0; c < 12; ++c) {
      EXPECT_EQ(tile.tiled(maskRows, r, c).blue, tile.tiled(maskRows, r + 4, c).blue);
      EXPECT_EQ(tile.tiled(maskRows, r, c).green, tile.tiled(maskRows, r + 4, c).green);
      EXPECT_EQ(tile.tiled(maskRows, r, c).blue, tile.tiled(maskRows, r, c + 4).blue);
    }
  }
  std::set<int32_t> columns;
  for (int32_t c = -20; c < 20; ++c) columns.insert(tile.tiled(maskRows, 0, c).blue);
  EXPECT_EQ(columns, (std::set<int32_t>{0, 1, 2, 3}));  // column 4 is never sampled
}

TEST(TextureTile, TiledRowCountsFromTheMaskTopDownwards) {
  Picture texture = numberedTexture(4, 3);
  TextureTile tile;
  tile.install(texture.data(), 0, 0, texture.stride, texture.rows);
  // texture row = 3 - ((H - r) mod 3) - 1
  EXPECT_EQ(tile.tiled(10, 9, 0).green, 3 - (1 % 3) - 1);
  EXPECT_EQ(tile.tiled(10, 0, 0).green, 3 - (10 % 3) - 1);
  EXPECT_EQ(tile.tiled(10, 0, 0).red, 7);
}

TEST(TextureTile, OffsetsBeyondThePictureWrapToNonNegativePlaces) {
  Picture texture = numberedTexture(6, 5);
  TextureTile tile;
  tile.install(texture.data(), 30, 30, texture.stride, texture.rows);
  for (int32_t r : {-1000, -1, 0, 7, 5000})
    for (int32_t c : {-1000, -31, -1, 0, 29, 5000}) {
      const Colour colour = tile.tiled(40, r, c);
      EXPECT_GE(colour.blue, 0);
      EXPECT_LT(colour.blue, 5);
      EXPECT_GE(colour.green, 0);
      EXPECT_LT(colour.green, 5);
    }
}

TEST(TextureTile, PlacedLookupDoesNotWrap) {
  Picture texture = numberedTexture(8, 6);
  TextureTile tile;
  tile.install(texture.data(), 0, 0, texture.stride, texture.rows);
  // texture row = r - H + T_r + row offset, column = c - column offset
  const Colour colour = tile.placed(10, 7, 3);
  EXPECT_EQ(colour.blue, 3);
  EXPECT_EQ(colour.green, 7 - 10 + 6);
}

TEST(TextureTile, NarrowOrRowlessTexturesAreSafe) {
  Picture onePixel = numberedTexture(1, 3);  // stride 4: period 0 becomes 1
  TextureTile tile;
  tile.install(onePixel.data(), 0, 0, onePixel.stride, onePixel.rows);
  EXPECT_TRUE(tile.isSet());
  EXPECT_EQ(tile.tiled(5, 2, 17).blue, 0);

  tile.install(onePixel.data(), 0, 0, onePixel.stride, 0);
  EXPECT_FALSE(tile.isSet());
  EXPECT_EQ(tile.placed(5, 2, 17).blue, 0);
}

TEST(TextureTile, NoTextureMeansBlackPlacedPixels) {
  TextureTile tile;
  tile.install(nullptr, 0, 0, 0, 0);
  EXPECT_FALSE(tile.isSet());
  const Colour colour = tile.placed(100, 50, 50);
  EXPECT_EQ(colour.blue + colour.green + colour.red, 0);
  tile.release();
  EXPECT_EQ(tile.placed(100, -5, 1 << 30).red, 0);
}

TEST(TextureEntryPoint, CopiesTheTileAndDestructionRemovesIt) {
  Picture texture = numberedTexture(4, 4);
  TEXTURE(texture.data(), 0, 0, texture.stride, texture.rows);
  texture.setColour(0, 0, 99, 99, 99);  // the engine keeps its own copy
  EXPECT_EQ(engineState().texture.tiled(4, 3, 0).blue, 0);
  EXPECT_TRUE(engineState().texture.isSet());
  DESTRUCTION();
  EXPECT_FALSE(engineState().texture.isSet());
  TEXTURE(nullptr, 0, 0, 0, 0);
  EXPECT_FALSE(engineState().texture.isSet());
  DESTRUCTION();
}

}  // namespace
}  // namespace velloro::test
