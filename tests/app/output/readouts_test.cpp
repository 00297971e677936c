#include <gtest/gtest.h>

#include <QFile>

#include "output/jpeg_encoding.h"
#include "output/jpeg_target.h"
#include "output/size_readout.h"
#include "output_fixture.h"
#include "state/bmp_file.h"

// Bytes grouped by thousands, without a separator below a thousand;
// kilobytes with up to two decimals.
TEST(SizeReadout, BytesAndKilobytes) {
  const std::pair<QString, const char*> shown[] = {
      {bytesReadout(512), "512  bytes"},           {bytesReadout(12345), "12,345  bytes"},
      {bytesReadout(1234567), "1,234,567  bytes"}, {bytesReadout(0), "  bytes"},
      {kilobytesReadout(12350), "( 12.06 KB )"},   {kilobytesReadout(1024 * 1500), "( 1,500 KB )"},
      {kilobytesReadout(1536), "( 1.5 KB )"},      {kilobytesReadout(512), "( .5 KB )"},
  };
  for (const auto& [text, expected] : shown) EXPECT_EQ(text.toStdString(), expected);
}

// Save gives the current name a JPEG extension, Save As takes the chosen
// name; a name that already ends in a JPEG extension keeps it in its own case.
TEST(JpegTarget, TheWrittenNameFromTheModeAndTheNames) {
  struct Case {
    const char* mode;
    const char* current;
    const char* chosen;
    const char* target;
  };
  for (const Case& c : {Case{"save", "/o/logo.bmp", "", "/o/logo.jpg"},
                        Case{"save", "/o.d/logo.v2.bmp", "", "/o.d/logo.v2.jpg"},
                        Case{"save", "/o/photo.JPEG", "", "/o/photo.JPEG"},
                        Case{"save", "/o/photo.jpeg", "", "/o/photo.jpeg"},
                        Case{"save", "/o/photo.JPG", "", "/o/photo.JPG"},
                        Case{"saveas", "/o/x.bmp", "/o/new.Jpg", "/o/new.Jpg"},
                        Case{"saveas", "/o/x.bmp", "/o/MyWork3", "/o/MyWork3.jpg"},
                        Case{"saveas", "/o/x.bmp", "/o/logo.bmp", "/o/logo.jpg"}}) {
    EXPECT_EQ(jpegTargetName(c.mode, c.current, c.chosen), QLatin1String(c.target))
        << c.mode << " " << c.current << " " << c.chosen;
  }
}

using JpegEncoding = OutputTest;

// Its output is checked byte for byte through the JPEG optimiser.
TEST_F(JpegEncoding, AMissingSourceOrAnUnwritableDestinationIsReportedOnce) {
  saveBmp(relief({8, 8}), path("in.bmp"));
  for (const auto& [from, to] : {std::pair{"none.bmp", "out.jpg"}, {"in.bmp", "no-folder/a.jpg"}}) {
    seam->messages.clear();
    EXPECT_FALSE(encodeJpeg(path(from), path(to), 80, *seam));
    ASSERT_EQ(seam->messages.size(), 1u);
    EXPECT_EQ(seam->messages[0].text, QStringLiteral("Error on file write."));
    EXPECT_EQ(seam->messages[0].title, QStringLiteral("Velloro"));
  }
  EXPECT_FALSE(QFile::exists(path("out.jpg")));
}
