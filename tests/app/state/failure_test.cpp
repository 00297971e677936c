#include "state/failure.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <cerrno>
#include <new>
#include <set>

#include "desktop/scripted_platform.h"
#include "failure_of.h"
#include "state/engine_library.h"
#include "state/error_report.h"
#include "state/site_tags.h"

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
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("error number : 76/83\r\nPath not found"));
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Velloro"));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  std::set<std::string_view> seen;
  const QRegularExpression form(QStringLiteral("^/[1-9][0-9]{0,2}$"));
  for (std::string_view tag : siteTag::all) {
    EXPECT_TRUE(seen.insert(tag).second) << tag;
    EXPECT_TRUE(form.match(QString::fromLatin1(tag.data(), qsizetype(tag.size()))).hasMatch())
        << tag;
  }
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
