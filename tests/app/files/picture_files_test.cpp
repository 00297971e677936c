// Pictures read and written: BMP files and buffers, parts of buffers, and
// the formats offered.
#include <QtEndian>

#include "core_test.h"
#include "files/bmp_file.h"
#include "files/picture_loading.h"
#include "files/png_encoding.h"
#include "files/velloro_mark.h"
#include "files/webp_mark.h"
#include "rendering/transparent_design.h"

namespace {

QImage twoByTwo() {
  QImage image(2, 2, QImage::Format_RGB888);  // red, green, blue 1 2 3, 4 5 6, 7 8 9, 10 11 12
  for (int i = 0; i < 4; ++i) image.setPixel(i % 2, i / 2, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
  return image;
}

// Qt writes no GIF: a 1 x 1 GIF whose one pixel takes palette entry 0, red.
const QByteArray redGif =
    QByteArray::fromHex("47494638396101000100800000ff00000000002c00000000010001000002024401003b");

QString failureTextOfLoading(const QString& path) {
  return failureText([&] { loadPicture(path); });
}

// A camera-style JPEG: an EXIF segment holding a whole thumbnail, end marker
// and all, before the main picture.
QByteArray jpegWithThumbnail() {
  const QByteArray thumbnail = encodedPicture(patterned(8, 8), "JPEG");
  const QByteArray main = encodedPicture(patterned(64, 64), "JPEG");
  const qsizetype length = 2 + 6 + thumbnail.size();
  return main.left(2) + "\xFF\xE1" + char(length >> 8) + char(length) + QByteArray("Exif\0\0", 6) +
         thumbnail + main.mid(2);
}

// A grey 16 x 8 JPEG of two blocks, a restart marker between them: tables
// of one one-bit code each (DC difference 0, end of block), so each block
// is the bits 00, padded with ones.
QByteArray restartJpeg(const QByteArray& scan) {
  return QByteArray::fromHex("ffd8ffdb004300") + QByteArray(64, '\1') +
         QByteArray::fromHex(
             "ffc0000b080008001001011100"
             "ffc40014000100000000000000000000000000000000"
             "ffc40014100100000000000000000000000000000000"
             "ffdd00040001ffda0008010100003f00") +
         QByteArray::fromHex(scan) + "\xFF\xD9";
}

// A BMP whose header claims `width` x `rows`, followed by `pixelBytes` bytes.
QByteArray bmpClaiming(int32_t width, int32_t rows, qsizetype pixelBytes) {
  QByteArray file = bmpHeader(1, 1) + QByteArray(pixelBytes, '\0');
  qToLittleEndian(width, file.data() + 18);
  qToLittleEndian(rows, file.data() + 22);
  return file;
}

// A 200 x 200 BMP with the old 12-byte core header (OS/2), 24 bits a pixel.
QByteArray coreHeaderBmp() {
  return QByteArray::fromHex("424ddad40100000000001a0000000c000000c800c80001001800") +
         QByteArray(120000, '\x7F');
}

}  // namespace

// 54 bytes of header, then the rows bottom up, blue green red, padded to four bytes.
TEST(BmpWriting, HeaderAndRowsBottomUpBlueGreenRedPadded) {
  // Size, offset, info size, 101 x 7, 1 plane, 24 bits, no compression, 2128 pixel bytes, 96 dpi.
  EXPECT_EQ(bmpHeader(101, 7).toHex(),
            "424d860800000000000036000000280000006500000007000000010018000000000050080000c40e0000"
            "c40e00000000000000000000");
  EXPECT_EQ(bmpFileBytes(twoByTwo()).mid(54),
            QByteArray("\x09\x08\x07\x0c\x0b\x0a\0\0\x03\x02\x01\x06\x05\x04\0\0", 16));
}

TEST(PictureBuffer, HoldsTheBytesAfterTheHeaderAndATrailingZeroAndWritesBackTheFile) {
  QTemporaryDir folder;
  const QString path = folder.filePath("p.bmp");
  saveBmp(twoByTwo(), path);
  const PictureBuffer buffer = readPictureBuffer(path);
  EXPECT_EQ(buffer.bytes, contentOf(path).mid(54) + '\0');
  EXPECT_EQ((std::array{buffer.width, buffer.rows, buffer.stride}), (std::array{2, 2, 8}));
  writeBmpFromBuffer(folder.filePath("out.bmp"), 2, 2, buffer.bytes);
  EXPECT_EQ(contentOf(folder.filePath("out.bmp")), contentOf(path));
  EXPECT_THROW(writeBmpFromBuffer(folder.filePath("x.bmp"), 3, 2, buffer.bytes), Failure);
  writeContent(path, bmpHeader(16384, 1) + QByteArray(strideOf(16384), '\x7f'));  // largest side
  const PictureBuffer wide = readPictureBuffer(path);
  EXPECT_EQ((std::array{wide.width, wide.stride}), (std::array{16384, 49152}));
}

TEST(PictureBuffer, BadFilesAndHugeOrOverflowingSizesAreRefusedBeforeAllocating) {
  QTemporaryDir folder;
  const QByteArray good = bmpFileBytes(twoByTwo());
  QByteArray otherHeader = good;
  qToLittleEndian<uint32_t>(124, otherHeader.data() + 14);
  // Empty, cut, another header, a tail, another format; then headers of
  // width, rows and the pixel bytes that follow. 1,431,655,767 x 3 wraps a
  // 32-bit stride to 8 bytes: the file would pass a size check made with it.
  std::vector<QByteArray> files{{},
                                good.left(60),
                                good.left(40),
                                otherHeader,
                                good + QByteArray(1000, 'x'),
                                encodedPicture(QImage(4, 4, QImage::Format_RGB32), "PNG")};
  const std::tuple<int32_t, int32_t, qsizetype> claims[] = {
      {1431655767, 1, 8}, {715827882, 1, 8}, {INT32_MAX, 1, 4},   {16385, 1, 49156},
      {1, 16385, 65540},  {10001, 10000, 0}, {1431655767, 3, 24},
  };
  for (const auto& [width, rows, pixelBytes] : claims) {
    files.push_back(bmpClaiming(width, rows, pixelBytes));
    EXPECT_THROW(imageOfBuffer(QByteArray(8, '\0'), width, rows), Failure) << width;
  }
  for (size_t file = 0; file < files.size(); ++file) {
    const QString path = writtenFile(folder, "bad.bmp", files[file]);
    EXPECT_EQ(failureOf([&] { readPictureBuffer(path); }).number(), errorNumber::UnreadablePicture)
        << file;
  }
}

// Transparent parts come out white; what is no picture of the offered
// formats, or no file, fails by its cause.
TEST(PictureLoading, PicturesComeOutAsRgbOnWhiteAndBadFilesFailByCause) {
  QTemporaryDir folder;
  const QImage gif = loadPicture(writtenFile(folder, "red.gif", redGif));
  EXPECT_EQ(gif.format(), QImage::Format_RGB888);
  EXPECT_EQ(gif.pixel(0, 0), qRgb(255, 0, 0));
  const QString clear = writtenFile(
      folder, "clear.png",
      encodedPicture(filledPicture(2, 2, Qt::transparent, QImage::Format_ARGB32), "PNG"));
  EXPECT_EQ(loadPicture(clear).pixel(0, 0), qRgb(255, 255, 255));
  const QString notOffered =
      QStringLiteral("50003 Unreadable picture (not a BMP, JPEG, GIF, PNG or WebP picture): ");
  const std::pair<QString, QString> cases[] = {
      {writtenFile(folder, "empty.jpg", {}), notOffered},
      {writtenFile(folder, "text.bmp", "not a picture at all"), notOffered},
      {writtenFile(folder, "p.xbm",
                   "#define p_width 1\n#define p_height 1\nstatic char p_bits[] = {0x01};\n"),
       notOffered},
      {writtenFile(folder, "p.ppm", QByteArray("P6 1 1 255\n\0\0\0", 14)), notOffered},
      {writtenFile(folder, "p.xpm",
                   "/* XPM */\nstatic char *p[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n"),
       notOffered},
      {folder.filePath("absent.gif"), "53 File not found: "},
      {folder.filePath("absent/x.gif"), "76 Path not found: "},
      {folder.path(), "75 Path/File access error: "},
  };
  for (const auto& [path, refusal] : cases) EXPECT_EQ(failureTextOfLoading(path), refusal + path);
}

TEST(PictureLoading, PicturesBeyondTheSizeLimitAreRefusedUnallocated) {
  QTemporaryDir folder;
  const QString strip =
      writtenFile(folder, "strip.png", encodedPicture(patterned(16384, 2), "PNG"));
  EXPECT_EQ(loadPicture(strip).size(), QSize(16384, 2));
  const QString refusal = QStringLiteral(
      "50003 Unreadable picture (larger than 16384 pixels a side or 100000000 "
      "pixels): ");
  // BMP headers claiming more than the limit, with no rows behind them.
  for (auto [width, rows] : {std::pair{16385, 1}, {1, 16385}, {10001, 10000}}) {
    const QString path = writtenFile(folder, "claim.bmp", bmpClaiming(width, rows, 48));
    EXPECT_EQ(failureTextOfLoading(path), refusal + path) << width << " x " << rows;
  }
  // A GIF whose logical screen, drawn whole, is past the limits; its one
  // image is a single pixel.
  const QString screen = writtenFile(
      folder, "screen.gif",
      QByteArray::fromHex("474946383961ffffffff0000002c00000000010001000002024401003b"));
  EXPECT_EQ(failureTextOfLoading(screen), refusal + screen);
  // A JPEG whose frame header claims 20000 x 20000.
  QByteArray jpeg = encodedPicture(patterned(8, 8), "JPEG");
  const qsizetype frame = jpeg.indexOf("\xFF\xC0");
  ASSERT_GT(frame, 0);
  qToBigEndian<quint16>(20000, jpeg.data() + frame + 5);
  qToBigEndian<quint16>(20000, jpeg.data() + frame + 7);
  const QString path = writtenFile(folder, "claim.jpg", jpeg);
  EXPECT_EQ(failureTextOfLoading(path), refusal + path);
}

// Cut pictures, also where the cut leaves an end mark somewhere in the file
// that a search for it would take for the picture's end.
TEST(PictureLoading, PicturesWhoseDataEndsEarlyAreRefused) {
  QTemporaryDir folder;
  const QByteArray bmp = encodedPicture(patterned(127, 60), "BMP");
  const QByteArray jpeg = encodedPicture(patterned(64, 64), "JPEG");
  const QByteArray png = encodedPicture(patterned(64, 64), "PNG");
  const QByteArray thumbJpeg = jpegWithThumbnail();
  const qsizetype scan = thumbJpeg.lastIndexOf("\xFF\xDA");
  const QByteArray coreBmp = coreHeaderBmp();
  const QByteArray endInText =
      png.left(33) + QByteArray("\0\0\0\4tEXtIEND\0\0\0\0", 16) + png.mid(33, png.size() / 2);
  const QByteArray greyJpeg = encodedPicture(patterned(127, 60, QImage::Format_Grayscale8), "JPEG");
  for (const QByteArray& whole :
       {bmp, jpeg, png, redGif, thumbJpeg, coreBmp, greyJpeg,
        encodedPicture(patterned(64, 64), "jpeg",
                       [](QImageWriter& w) { w.setProgressiveScanWrite(true); }),
        restartJpeg("3fffd03f")})
    EXPECT_EQ(failureTextOfLoading(writtenFile(folder, "whole", whole)), "none");
  const std::pair<const char*, QByteArray> cut[] = {
      {"cut.bmp", bmp.left(bmp.size() - 1)},
      {"half.bmp", bmp.left(4096)},
      {"cut.jpg", jpeg.left(jpeg.size() - 2)},
      {"half.jpg", jpeg.left(jpeg.size() / 2)},
      {"cut.png", png.left(png.size() - 12)},
      {"cut.gif", redGif.left(redGif.size() - 1)},
      {"thumb.jpg", thumbJpeg.left(scan + (thumbJpeg.size() - scan) / 3)},
      {"core.bmp", coreBmp.left(5026)},
      {"semicolon.gif", redGif.left(redGif.size() - 4) + ';'},
      {"wider.gif", QByteArray(redGif).replace(6, 1, "\2").replace(24, 1, "\2")},
      {"text.png", endInText},
      {"scan cut, end mark put back", jpeg.left(jpeg.size() / 2) + "\xFF\xD9"},
      {"grey scan cut, end mark put back", greyJpeg.left(greyJpeg.size() - 40) + "\xFF\xD9"},
      {"thumbnail whole, scan cut, end mark put back",
       thumbJpeg.left(thumbJpeg.size() - 30) + "\xFF\xD9"},
      {"a restart interval's last block missing", restartJpeg("3fffd0")},
      {"restart marker missing", restartJpeg("3f3f")},
  };
  for (const auto& [name, bytes] : cut) {
    const QString path = writtenFile(folder, name, bytes);
    EXPECT_EQ(failureTextOfLoading(path), "50003 Unreadable picture (data ends early): " + path)
        << name;
  }
}

// Pictures made and read in the engine's buffer layout with no whole picture
// in between.
TEST(BufferParts, PlainCanvasKeepsItsPaddingAndPartsTheirPlace) {
  for (const int width : {1, 4, 5, 7})
    EXPECT_EQ(plainPictureBuffer({width, 3}, Qt::cyan).bytes,
              pictureBufferOf(filledPicture(width, 3, Qt::cyan)).bytes)
        << width;
  const QImage picture = patterned(7, 5);
  const QByteArray bytes = pictureBufferOf(picture).bytes;
  for (const QRect area : {QRect(0, 0, 7, 5), QRect(2, 1, 3, 2), QRect(6, 4, 1, 1)})
    EXPECT_EQ(imageOfBufferPart(bytes, 7, 5, area), picture.copy(area)) << area.x() << area.y();
  EXPECT_EQ(imageOfBufferPart(bytes, 7, 5, QRect(5, 3, 4, 4)), picture.copy(5, 3, 2, 2));
  EXPECT_THROW(imageOfBufferPart(bytes.left(20), 7, 5, QRect(0, 0, 1, 1)), Failure);
}

TEST(BufferParts, ExtentInBuffersIsCountedFromTheArea) {
  QImage black = filledPicture(7, 5, Qt::black);
  QImage white = filledPicture(7, 5, Qt::white);
  black.setPixel(3, 1, qRgb(40, 40, 40));
  white.setPixel(3, 1, qRgb(40, 40, 40));
  black.setPixel(5, 3, qRgb(2, 0, 0));  // white shows through by 763 of 765: seen
  black.setPixel(6, 4, qRgb(1, 0, 0));  // by 764: alpha rounds to 0
  const QByteArray overBlack = pictureBufferOf(black).bytes;
  const QByteArray overWhite = pictureBufferOf(white).bytes;
  const auto extent = [&](QRect area) {
    return designExtentOfBuffers(overBlack, overWhite, {7, 5}, area);
  };
  EXPECT_EQ(extent(QRect(0, 0, 7, 5)), QRect(3, 1, 3, 3));
  EXPECT_EQ(extent(QRect(2, 1, 5, 4)), QRect(1, 0, 3, 3));
  EXPECT_TRUE(extent(QRect(4, 0, 3, 3)).isNull());
  EXPECT_TRUE(
      designExtentOfBuffers(overBlack, overWhite.left(30), {7, 5}, QRect(0, 0, 7, 5)).isNull());
}

// The pictures this program writes carry its mark; the same pixels written
// by anyone else, and every other file, do not.
TEST(VelloroMark, OnlyThisProgramsPngAndJpegCarryIt) {
  QTemporaryDir folder;
  const QImage picture = patterned(12, 8);
  const struct {
    const char* name;
    QByteArray bytes;
    bool marked;
  } cases[] = {
      {"ours.png", pngFileBytes(picture), true},
      {"theirs.png", encodedPicture(picture, "png"), false},
      {"ours.jpg", encodedPicture(picture, "jpeg", putVelloroMark), true},
      {"theirs.jpg", encodedPicture(picture, "jpeg"), false},
      {"named.png", QByteArray("Software Velloro"), false},
      {"ours.bmp", bmpFileBytes(picture), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(carriesVelloroMark(writtenFile(folder, c.name, c.bytes)), c.marked) << c.name;
  EXPECT_FALSE(carriesVelloroMark(folder.filePath("none.png")));
}

// A marked WebP file decodes to the pixels of the file before the mark, in
// each of the writer's three containers: lossy opaque, lossy with alpha
// (already extended) and lossless with alpha.
TEST(VelloroMark, AMarkedWebpDecodesAsBeforeAndACutOrForgedOneIsNotMarked) {
  QTemporaryDir folder;
  QImage seeThrough = patterned(13, 7).convertToFormat(QImage::Format_ARGB32);
  seeThrough.setPixelColor(2, 3, QColor(10, 20, 30, 40));
  const struct {
    const char* name;
    QImage picture;
    int quality;
  } encodings[] = {{"lossy.webp", patterned(13, 7), 80},
                   {"lossy alpha.webp", seeThrough, 80},
                   {"lossless alpha.webp", seeThrough, 100}};
  for (const auto& e : encodings) {
    SCOPED_TRACE(e.name);
    const QByteArray plain =
        encodedPicture(e.picture, "webp", [&](QImageWriter& w) { w.setQuality(e.quality); });
    ASSERT_FALSE(plain.isEmpty());
    const QByteArray marked = markedWebp(plain, e.picture.size());
    EXPECT_EQ(QImage::fromData(marked, "webp"), QImage::fromData(plain, "webp"));
    EXPECT_EQ(qFromLittleEndian<quint32>(marked.constData() + 4), quint32(marked.size() - 8));
    EXPECT_TRUE(carriesVelloroMark(writtenFile(folder, e.name, marked)));
    EXPECT_FALSE(carriesVelloroMark(writtenFile(folder, "plain.webp", plain)));
    EXPECT_FALSE(carriesVelloroMark(writtenFile(folder, "cut.webp", marked.chopped(40))));
    QByteArray huge = marked;
    qToLittleEndian<quint32>(0xfffffff0u, huge.data() + 16);
    EXPECT_FALSE(carriesVelloroMark(writtenFile(folder, "huge.webp", huge)));
  }
  EXPECT_EQ(markedWebp("RIFF....WEBPVP8X", {4, 4}), QByteArray("RIFF....WEBPVP8X"));
}
