#include "state/bmp_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include "failure_of.h"
#include "test_files.h"

namespace {

QImage twoByTwo() {
  QImage image(2, 2, QImage::Format_RGB888);  // red, green, blue 1 2 3, 4 5 6, 7 8 9, 10 11 12
  for (int i = 0; i < 4; ++i) image.setPixel(i % 2, i / 2, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
  return image;
}

int failureNumberOfReading(const QString& path) {
  return failureOf([&] { readPictureBuffer(path); }).number();
}

}  // namespace

TEST(Stride, RowsRoundUpToFourBytes) {
  EXPECT_EQ((std::array{strideOf(1), strideOf(2), strideOf(3), strideOf(4), strideOf(101),
                        strideOf(631)}),
            (std::array{4, 8, 12, 12, 304, 1896}));
}

// 54 bytes of header, then the rows bottom up, blue green red, padded to four bytes.
TEST(BmpWriting, HeaderAndRowsBottomUpBlueGreenRedPadded) {
  // Size, offset, info size, 101 x 7, one plane of 24 bits, no compression, 2128 pixel bytes, 96
  // dpi.
  EXPECT_EQ(bmpHeader(101, 7).toHex(),
            "424d860800000000000036000000280000006500000007000000010018000000000050080000c40e0000"
            "c40e00000000000000000000");
  const QByteArray bytes = bmpFileBytes(twoByTwo());
  ASSERT_EQ(bytes.size(), 54 + 2 * 8);
  EXPECT_EQ(bytes.mid(54),
            QByteArray("\x09\x08\x07\x0c\x0b\x0a\0\0\x03\x02\x01\x06\x05\x04\0\0", 16));
  QTemporaryDir folder;
  saveBmp(twoByTwo(), folder.filePath("p.bmp"));
  EXPECT_EQ(QImage(folder.filePath("p.bmp")).convertToFormat(QImage::Format_RGB888), twoByTwo());
}

TEST(BmpWriting, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  QTemporaryDir folder;
  QDir(folder.path()).mkdir("taken");
  EXPECT_THROW(saveBmp(twoByTwo(), folder.filePath("taken")), Failure);
  EXPECT_TRUE(QFileInfo(folder.filePath("taken")).isDir());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
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
}

TEST(PictureBuffer, BadFilesAreRefused) {
  QTemporaryDir folder;
  const QByteArray good = bmpFileBytes(twoByTwo());
  writeContent(folder.filePath("empty.bmp"), {});
  writeContent(folder.filePath("short.bmp"), good.left(60));
  writeContent(folder.filePath("header.bmp"), good.left(40));
  QByteArray otherHeader = good;
  qToLittleEndian<uint32_t>(124, otherHeader.data() + 14);
  writeContent(folder.filePath("v5.bmp"), otherHeader);
  writeContent(folder.filePath("long.bmp"), good + QByteArray(1000, 'x'));
  QImage(4, 4, QImage::Format_RGB32).save(folder.filePath("png.bmp"), "PNG");
  for (const char* name : {"empty.bmp", "short.bmp", "header.bmp", "v5.bmp", "long.bmp", "png.bmp"})
    EXPECT_EQ(failureNumberOfReading(folder.filePath(name)), errorNumber::UnreadablePicture)
        << name;
  EXPECT_EQ(failureNumberOfReading(folder.filePath("absent.bmp")), errorNumber::FileNotFound);
  EXPECT_EQ(failureNumberOfReading(folder.path()), errorNumber::PathFileAccessError);
}

TEST(PictureBuffer, HeadersOfHugeOrOverflowingSizesAreRefusedBeforeAllocating) {
  struct Case {
    int32_t width, rows;
    qsizetype pixelBytes;  // what follows the header in the file
  };
  // 1,431,655,767 x 3 wraps a 32-bit stride to 8 bytes: the file would pass
  // a size check made with that stride.
  const Case cases[] = {
      {1431655767, 1, 8}, {715827882, 1, 8}, {INT32_MAX, 1, 4},   {16385, 1, 49156},
      {1, 16385, 65540},  {10001, 10000, 0}, {1431655767, 3, 24},
  };
  QTemporaryDir folder;
  for (const Case& c : cases) {
    QByteArray file = bmpHeader(1, 1) + QByteArray(c.pixelBytes, '\0');
    qToLittleEndian<uint32_t>(uint32_t(c.width), file.data() + 18);
    qToLittleEndian<uint32_t>(uint32_t(c.rows), file.data() + 22);
    const QString path = folder.filePath("huge.bmp");
    writeContent(path, file);
    EXPECT_EQ(failureNumberOfReading(path), errorNumber::UnreadablePicture)
        << c.width << " x " << c.rows;
    EXPECT_THROW(imageOfBuffer(QByteArray(8, '\0'), c.width, c.rows), Failure) << c.width;
  }
}

TEST(PictureBuffer, LargestSideIsRead) {
  QTemporaryDir folder;
  const QString path = folder.filePath("wide.bmp");
  writeContent(path, bmpHeader(16384, 1) + QByteArray(strideOf(16384), '\x7f'));
  const PictureBuffer buffer = readPictureBuffer(path);
  EXPECT_EQ(buffer.width, 16384);
  EXPECT_EQ(buffer.stride, 49152);
}
