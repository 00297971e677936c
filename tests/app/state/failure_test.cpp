#include <QRegularExpression>
#include <cerrno>
#include <set>

#include "state/engine_library.h"
#include "state/error_report.h"
#include "state/site_tags.h"
#include "state_test.h"

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
      {INCOMPLETE_ENGINE_PATH, errorNumber::EntryPointNotFound, "DESTRUCTION"},
  };
  for (const auto& [path, number, named] : cases) {
    const Failure failure = failureOf([&] { EngineLibrary(path).entryPoints(); });
    EXPECT_EQ(failure.number(), number) << path;
    EXPECT_TRUE(failure.description().contains(QLatin1String(named))) << path;
  }
}
