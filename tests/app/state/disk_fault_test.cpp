// Every writer on a disk that refuses the write: the old file stays whole,
// no temporary file is left beside it, and the failure carries the number
// and text of a full disk, a refused permission or a missing folder.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "failure_of.h"
#include "file_size_limit.h"
#include "platform/imaging.h"
#include "state/bmp_file.h"
#include "state/curve_file.h"
#include "state/file_writing.h"
#include "test_files.h"

namespace {

// Small enough that every writer passes it, larger than nothing so that the
// file's creation itself succeeds.
constexpr long fileLimit = 16;
const QByteArray oldContent("the good old file's bytes");

QImage picture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(QColor(30, 120, 210));
  return image;
}

struct Writer {
  const char* name;
  std::function<void(const QString& target, const QString& spareFolder)> write;
};

const Writer writers[] = {
    {"bytes",
     [](const QString& t, const QString&) { writeFileReplacing(t, QByteArray(5000, 'b')); }},
    {"pieces",
     [](const QString& t, const QString&) {
       writeFileReplacing(t, [](FileOutput& output) {
         for (int piece = 0; piece < 8; ++piece) output.put(QByteArray(300, char('a' + piece)));
       });
     }},
    {"BMP of a small picture",
     [](const QString& t, const QString&) { saveBmp(picture(40, 30), t); }},
    {"BMP of a buffer",
     [](const QString& t, const QString&) {
       writeBmpFromBuffer(t, 10, 10, QByteArray(strideOf(10) * 10 + 1, '\x55'));
     }},
    {"copy (undo files, the saved JPEG)",
     [](const QString& t, const QString& spare) {
       copyFileReplacing(spare + QStringLiteral("/source.bin"), t);
     }},
    {"curve file", [](const QString& t, const QString&) { writeCurveFile(t, CurvePoints{}); }},
};

// On a full disk the old file stays whole; with room the writer replaces it.
TEST(DiskFaults, FullDiskLeavesTheOldFileAndReportsDiskFull) {
  for (const Writer& writer : writers) {
    QTemporaryDir folder;
    QTemporaryDir spare;
    const QString target = folder.filePath(QStringLiteral("target.bin"));
    const QStringList onlyTarget{QStringLiteral("target.bin")};
    writeContent(target, oldContent);
    writeContent(spare.filePath(QStringLiteral("source.bin")), QByteArray(3000, 's'));
    const QByteArray report = inChildWithFileLimit(fileLimit, [&] {
      return failureText([&] { writer.write(target, spare.path()); }).toUtf8();
    });
    EXPECT_EQ(report, "61 Disk full: " + target.toUtf8()) << writer.name;
    EXPECT_EQ(contentOf(target), oldContent) << writer.name;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), onlyTarget) << writer.name;

    EXPECT_EQ(failureText([&] { writer.write(target, spare.path()); }), "none") << writer.name;
    EXPECT_NE(contentOf(target), oldContent) << writer.name;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), onlyTarget) << writer.name;
  }
}

TEST(DiskFaults, JpegOnAFullDiskIsNotInPlaceAndLeavesTheOldFile) {
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("relief.jpg"));
  writeContent(target, oldContent);
  const QByteArray report = inChildWithFileLimit(fileLimit, [&] {
    RgbPixels pixels{picture(40, 30)};
    std::unique_ptr<ImageDestination> destination = openFileDest(target);
    if (!destination) return QByteArray("not opened");
    const bool written = writeRgbToJpg(*destination, pixels, 40, 30, 90);
    return QByteArray(written ? "encoded" : "not encoded") +
           (closeDest(destination) ? " in place" : " refused");
  });
  EXPECT_EQ(report, "encoded refused");
  EXPECT_EQ(contentOf(target), oldContent);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// As root, permission bits refuse nothing: a folder on a read-only mount
// does. Elsewhere a folder without write permission is enough.
class ReadOnlyFolder {
 public:
  ReadOnlyFolder() {
    if (geteuid() == 0) {
      mounted_ = mount("tmpfs", folder_.path().toLocal8Bit().constData(), "tmpfs", MS_RDONLY,
                       "size=64k") == 0;
      usable_ = mounted_;
    } else {
      usable_ = QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
  }
  ~ReadOnlyFolder() {
    if (mounted_) umount(folder_.path().toLocal8Bit().constData());
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  bool usable() const { return usable_; }
  QString filePath(const QString& name) const { return folder_.filePath(name); }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
  bool usable_ = false;
};

TEST(DiskFaults, ReadOnlyFolderIsPermissionDenied) {
  ReadOnlyFolder folder;
  if (!folder.usable()) GTEST_SKIP() << "no read-only folder can be made here";
  const QString target = folder.filePath(QStringLiteral("target.bmp"));
  EXPECT_EQ(failureText([&] { saveBmp(picture(4, 4), target); }),
            "70 Permission denied: " + target);
}

}  // namespace
