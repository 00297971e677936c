// Failures: system errors and exceptions as the program's numbers, their
// report, what the writer refuses to write through or over, and every writer
// on a disk that refuses the write.
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <cerrno>
#include <set>

#include "core_test.h"
#include "design/curve_file.h"
#include "file_size_limit.h"
#include "files/bmp_file.h"
#include "files/file_writing.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/imaging.h"
#include "rendering/engine_library.h"

namespace {

constexpr uid_t someoneElse = 65534;
const QByteArray victimBytes("not to be overwritten");

QString writingFailure(const QString& target) {
  return failureText([&] { writeFileReplacing(target, QByteArray("new")); });
}

// Small enough that every writer passes it, larger than nothing so that the
// file's creation itself succeeds.
constexpr long fileLimit = 16;
const QByteArray oldContent("the good old file's bytes");

// On a full disk the old file stays whole; with room the writer replaces it.
TEST(DiskFaults, FullDiskLeavesTheOldFileAndReportsDiskFull) {
  QTemporaryDir spare;
  const QString source = spare.filePath(QStringLiteral("source.bin"));
  writeContent(source, QByteArray(3000, 's'));
  const std::pair<const char*, std::function<void(const QString& target)>> writers[] = {
      {"pieces",
       [](const QString& t) {
         writeFileReplacing(t, [](FileOutput& output) {
           for (int piece = 0; piece < 8; ++piece) output.put(QByteArray(300, char('a' + piece)));
         });
       }},
      {"BMP of a small picture",
       [](const QString& t) { saveBmp(filledPicture(40, 30, QColor(30, 120, 210)), t); }},
      {"BMP of a buffer",
       [](const QString& t) {
         writeBmpFromBuffer(t, 10, 10, QByteArray(strideOf(10) * 10 + 1, '\x55'));
       }},
      {"copy (undo files, the saved JPEG)",
       [&](const QString& t) { copyFileReplacing(source, t); }},
      {"curve file", [](const QString& t) { writeCurveFile(t, CurvePoints{}); }},
  };
  for (const auto& [name, writer] : writers) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("target.bin"));
    const QStringList onlyTarget{QStringLiteral("target.bin")};
    writeContent(target, oldContent);
    const QByteArray report = inChildWithFileLimit(
        fileLimit, [&] { return failureText([&] { writer(target); }).toUtf8(); });
    EXPECT_EQ(report, "61 Disk full: " + target.toUtf8()) << name;
    EXPECT_EQ(contentOf(target), oldContent) << name;
    EXPECT_EQ(entriesOf(folder.path()), onlyTarget) << name;

    EXPECT_EQ(failureText([&] { writer(target); }), "none") << name;
    EXPECT_NE(contentOf(target), oldContent) << name;
    EXPECT_EQ(entriesOf(folder.path()), onlyTarget) << name;
  }
}

}  // namespace

// The imaging calls answer false where the others throw; the JPEG reaches
// the disk when its destination closes. It is encoded in the child only: a
// JPEG encoded in this process after the fork makes LeakSanitizer's check
// at exit fall over.
TEST(DiskFaults, JpegOnAFullDiskIsNotInPlaceAndLeavesTheOldFile) {
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("relief.jpg"));
  writeContent(target, oldContent);
  const QByteArray report = inChildWithFileLimit(fileLimit, [&] {
    RgbPixels pixels{filledPicture(40, 30, QColor(30, 120, 210))};
    std::unique_ptr<ImageDestination> destination = openFileDest(target);
    if (!destination) return QByteArray("not opened");
    const bool written = writeRgbToJpg(*destination, pixels, 40, 30, 90);
    return QByteArray(written ? "encoded" : "not encoded") +
           (closeDest(destination) ? " in place" : " refused");
  });
  EXPECT_EQ(report, "encoded refused");
  EXPECT_EQ(contentOf(target), oldContent);
  EXPECT_EQ(entriesOf(folder.path()), QStringList{"relief.jpg"});
}

TEST(FileWriting, WhatIsNoPlainFileOrHasNoFolderIsRefusedByItsCause) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath("pipe.png");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString loop = folder.filePath("loop.png");
  ASSERT_TRUE(QFile::link(loop, loop));
  const QString toFifo = folder.filePath("to-pipe.png");
  ASSERT_TRUE(QFile::link(fifo, toFifo));
  const QString longName = folder.filePath(QString(300, u'n') + ".png");
  const QString withZero = folder.filePath(QStringLiteral("evil") + QChar(0) + ".png");
  writeContent(folder.filePath("plain"), victimBytes);
  const std::pair<QString, QString> cases[] = {
      {folder.path(), "75 Path/File access error (Is a directory): "},
      {longName, "52 Bad file name or number (File name too long): "},
      {loop, "75 Path/File access error (Too many levels of symbolic links): "},
      {fifo, "75 Path/File access error (Not a regular file): "},
      {toFifo, "75 Path/File access error (Not a regular file): "},
      {withZero, "52 Bad file name or number: "},
      {folder.filePath("absent/target.png"), "76 Path not found: "},
      {folder.filePath("plain/target.png"), "76 Path not found: "},
  };
  for (const auto& [target, refusal] : cases)
    EXPECT_EQ(writingFailure(target), refusal + target) << target.toStdString();
  EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// The kernel's protected-link rule, kept by the writer itself: in a sticky
// folder anyone may write to, only a link of the writer or of the folder's
// owner is followed.
TEST(FileWriting, PlantedLinkInASharedFolderIsNotFollowed) {
  QTemporaryDir shared;
  QTemporaryDir own;
  ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
  const QString victim = own.filePath("victim.png");
  writeContent(victim, victimBytes);
  const QString planted = shared.filePath("x.png");
  const QString dangling = shared.filePath("y.png");
  ASSERT_TRUE(QFile::link(victim, planted));
  ASSERT_TRUE(QFile::link(own.filePath("made.png"), dangling));
  for (const QString& name : {planted, dangling})
    if (::lchown(QFile::encodeName(name).constData(), someoneElse, someoneElse) != 0)
      GTEST_SKIP() << "links of another user cannot be made here";
  EXPECT_EQ(writingFailure(planted), "70 Permission denied: " + planted);
  EXPECT_EQ(writingFailure(dangling), "70 Permission denied: " + dangling);
  EXPECT_EQ(contentOf(victim), victimBytes);
  EXPECT_FALSE(QFile::exists(own.filePath("made.png")));
  // The writer's own link is followed, and stays a link.
  const QString mine = shared.filePath("mine.png");
  ASSERT_TRUE(QFile::link(victim, mine));
  EXPECT_EQ(writingFailure(mine), "none");
  EXPECT_EQ(contentOf(victim), "new");
  EXPECT_TRUE(QFileInfo(mine).isSymLink());
}

TEST(FailureMapping, SystemErrorsAndExceptionsGiveTheProgramsNumbersAndTexts) {
  using namespace errorNumber;
  const std::pair<int, int> cases[] = {
      {ENOSPC, DiskFull},        {EDQUOT, DiskFull},         {ENODEV, DeviceUnavailable},
      {EROFS, PermissionDenied}, {EACCES, PermissionDenied}, {EPERM, PermissionDenied},
  };
  for (const auto& [error, number] : cases)
    EXPECT_EQ(failureFromSystemError(error, "f").number(), number) << error;
  EXPECT_EQ(failureFromSystemError(EIO, "f").description(),
            "Device I/O error (Input/output error): f");
  EXPECT_EQ(failureFromSystemError(EROFS, "f").description(),
            "Permission denied (Read-only file system): f");
  // The exception in flight becomes a failure.
  const auto caught = [](auto thrown) {
    try {
      throw thrown;
    } catch (...) {
      return currentFailure();
    }
  };
  EXPECT_EQ(caught(Failure(61, "Disk full")).number(), 61);
  EXPECT_EQ(caught(std::bad_alloc()).number(), errorNumber::OutOfMemory);
  EXPECT_EQ(caught(42).number(), errorNumber::InternalError);
}

// Shown in a plain OK box titled Velloro, with a site tag of its own.
TEST(ErrorReport, ShownInPlainOkBoxTitledVelloroWithAUniqueWellFormedTag) {
  EXPECT_EQ(failureReportText(Failure(5, {}), siteTag::frmMain_mnuEditUndo_Click),
            QStringLiteral("error number : 5/126\r\n"));
  ScriptedPlatform platform;
  reportFailure(platform, siteTag::AdjustControlFonts, Failure(76, "Path not found"));
  ASSERT_EQ(platform.messages.size(), 1u);
  const Message& shown = platform.messages[0];
  EXPECT_EQ(shown.text + shown.title, "error number : 76/83\r\nPath not foundVelloro");
  EXPECT_EQ((std::pair{shown.icon, shown.buttons}),
            (std::pair{MessageIcon::None, MessageButtons::Ok}));
  const QRegularExpression form(QStringLiteral("^/[1-9][0-9]{0,2}$"));
  for (std::string_view tag : siteTag::all)
    EXPECT_TRUE(form.match(QLatin1StringView(tag.data(), qsizetype(tag.size()))).hasMatch()) << tag;
  EXPECT_EQ(std::set(siteTag::all.begin(), siteTag::all.end()).size(), siteTag::all.size());
}

TEST(EngineLibrary, MissingOrIncompleteLibraryIsAFailureNotACrash) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"/nonexistent/libVelloro.so", errorNumber::LibraryNotLoaded, "relief engine"},
      {INCOMPLETE_ENGINE_PATH, errorNumber::EntryPointNotFound, "ENGINE_NEW"},
  };
  for (const auto& [path, number, named] : cases) {
    const Failure failure = failureOf([&] { EngineLibrary(path).entryPoints(); });
    EXPECT_EQ(failure.number(), number) << path;
    EXPECT_TRUE(failure.description().contains(QLatin1String(named))) << path;
  }
}
