#include "state/picture_formats.h"

#include <gtest/gtest.h>

TEST(PictureFormatsTest, WebNameReplacesTheLastExtensionOnly) {
  struct Case {
    const char* chosen;
    WebFormat format;
    const char* name;
  };
  const std::vector<Case> cases{
      {"/out/logo.png", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.PNG", WebFormat::Png, "/out/logo.PNG"},  // already a PNG name
      {"/out/logo.bmp", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.png", WebFormat::Webp, "/out/logo.webp"},
      {"/out/logo", WebFormat::Webp, "/out/logo.webp"},
      {"/out/my.title.jpg", WebFormat::Png, "/out/my.title.png"},
      {"/out.d/logo", WebFormat::Png, "/out.d/logo.png"},  // a dot in the folder only
      {"/out/.hidden", WebFormat::Png, "/out/.hidden.png"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(webNameOf(QString::fromLatin1(c.chosen), c.format), QString::fromLatin1(c.name))
        << c.chosen;
}

TEST(PictureFormatsTest, SaveEntriesAfterBitmapAndJpegAreTheWebFormats) {
  EXPECT_EQ(webFormatOfSaveEntry(0), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(1), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(2), WebFormat::Png);
  const bool webp = writableWebFormats().contains(WebFormat::Webp);
  EXPECT_EQ(webFormatOfSaveEntry(3), webp ? std::optional(WebFormat::Webp) : std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(4), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(-1), std::nullopt);
  EXPECT_TRUE(savedWebEncoding(WebFormat::Webp).lossless);
}
