#include "state/error_report.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

#include "desktop/scripted_platform.h"
#include "state/site_tags.h"

TEST(ErrorReport, TextHasNumberTagLineBreakAndDescription) {
  EXPECT_EQ(failureReportText(Failure(13, "Type mismatch"), siteTag::frmMain_BtnDraw_Click),
            QStringLiteral("error number : 13/84\r\nType mismatch"));
  // An empty description still shows the first line.
  EXPECT_EQ(failureReportText(Failure(5, {}), siteTag::frmMain_mnuEditUndo_Click),
            QStringLiteral("error number : 5/126\r\n"));
}

TEST(ErrorReport, ShownInPlainOkBoxTitledVelloro) {
  ScriptedPlatform platform;
  reportFailure(platform, siteTag::AdjustControlFonts, Failure(76, "Path not found"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("error number : 76/83\r\nPath not found"));
  EXPECT_EQ(platform.messages[0].title, QStringLiteral("Velloro"));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
}

TEST(ErrorReport, TrappedHandlerReportsAndAbandonsTheRest) {
  ScriptedPlatform platform;
  bool rest = false;
  runTrapped(platform, siteTag::frmMain_mnuFileOpen_Click, [&] {
    throw Failure(53, "File not found");
    rest = true;
  });
  EXPECT_FALSE(rest);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("error number : 53/118\r\n")));
}

TEST(SiteTags, EveryTagIsUniqueAndWellFormed) {
  std::set<std::string_view> seen;
  const QRegularExpression form(QStringLiteral("^/([1-9][0-9]{0,2})$"));
  for (std::string_view tag : siteTag::all) {
    EXPECT_TRUE(seen.insert(tag).second) << tag;
    const auto match = form.match(QString::fromLatin1(tag.data(), qsizetype(tag.size())));
    ASSERT_TRUE(match.hasMatch()) << tag;
    EXPECT_LE(match.captured(1).toInt(), 164);
  }
  for (std::string_view unused : {"/54", "/95", "/101", "/106", "/138", "/139", "/140"})
    EXPECT_EQ(seen.count(unused), 0u) << unused;
  // The handlers' own 139 tags, web export's /148, the style commands' /160 to /162, and
  // Fit canvas to design's /163 and the zoom's /164.
  EXPECT_EQ(siteTag::all.size(), 146u - 7u + 1u + 3u + 2u);
}
