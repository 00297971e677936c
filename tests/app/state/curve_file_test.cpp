#include "state/curve_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "test_files.h"

namespace {

const CurvePoints rising{{0, 0, 50, 100, 150, 200, 255, 0}, {0, 0, 20, 80, 160, 230, 255, 0}};
const std::array<int32_t, 8> flatValues{0, 128, 128, 128, 128, 128, 128, 0};

// A curve file: the position line, the value line at byte 99.
QByteArray curveFile(const char* positions, const char* values) {
  QByteArray content(positions);
  content.append(99 - content.size(), '\0');
  return content + values;
}

class CurveFileTest : public testing::Test {
 protected:
  QString curves() const { return folder.path(); }
  QString curve(const char* name) const { return folder.filePath(name); }
  QStringList filesLeft() const { return QDir(curves()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir folder;
  ScriptedPlatform platform;
  CurvePoints points;
};

}  // namespace

// A longer curve written before leaves no tail that the reader would take
// for an eighth field.
TEST_F(CurveFileTest, SavedFileHoldsBothLinesAtTheirOffsetsAndLoadsBack) {
  writeContent(curve("mine.txt"), curveFile(",0,50,100,150,200,255,", ",40,130,200,230,180,90,"));
  ASSERT_TRUE(saveCurve(rising, "mine.txt", curves(), platform));
  EXPECT_EQ(contentOf(curve("mine.txt")),
            curveFile(",0,50,100,150,200,255,", ",0,20,80,160,230,255,"));
  ASSERT_TRUE(loadCurve(points, "mine.txt", curves(), platform));
  EXPECT_EQ(points, rising);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(filesLeft(), QStringList{"mine.txt"});
}

// The shipped curves come back, byte for byte, when their file is missing
// or empty, also with the curves folder gone; a curve the user changed stays.
TEST_F(CurveFileTest, LostShippedCurvesAreRestored) {
  writeContent(curve("steel.txt"), QByteArray());
  writeContent(curve("gold.txt"), ",0,60,100,150,200,255,");
  const QString gone = curve("gone");
  const std::tuple<const char*, QString, QByteArray> cases[] = {
      {"steel.txt", curves(), contentOf(SHIPPED_CURVES "/steel.txt")},
      {"default.txt", curves(), contentOf(SHIPPED_CURVES "/default.txt")},
      {"default.txt", gone, contentOf(SHIPPED_CURVES "/default.txt")},
      {"gold.txt", curves(), ",0,60,100,150,200,255,"},
  };
  for (const auto& [name, folder, expected] : cases) {
    ScriptedPlatform seam;
    ASSERT_FALSE(expected.isEmpty());
    loadCurve(points, name, folder, seam);
    EXPECT_EQ(contentOf(folder + '/' + name), expected) << name;
  }
  for (const char* name : {"default.txt", "steel.txt", "gold.txt"}) {
    ASSERT_TRUE(loadCurve(points, name, QStringLiteral(SHIPPED_CURVES), platform)) << name;
    EXPECT_EQ(points.x[6], 255) << name;
  }
  EXPECT_TRUE(platform.messages.empty());
}

// A missing name leaves an empty file; both read as the flat curve after a warning.
TEST_F(CurveFileTest, MissingOrHalfFileGivesTheFlatCurveAfterAWarning) {
  writeContent(curve("half.txt"), ",0,30,60,90,120,255,");
  const std::pair<const char*, std::array<int32_t, 8>> cases[] = {
      {"half.txt", {0, 0, 30, 60, 90, 120, 255, 0}},
      {"absent.txt", {0, 0, 50, 100, 150, 200, 255, 0}}};
  for (const auto& [name, positions] : cases) {
    ScriptedPlatform seam;
    ASSERT_TRUE(loadCurve(points, name, curves(), seam));
    EXPECT_EQ(points.x, positions);
    EXPECT_EQ(points.y, flatValues);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text,
              "Cannot read : ''" + curve(name) + "''\r\nI draw a flat curve ...");
    EXPECT_EQ(seam.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(seam.messages[0].title, QStringLiteral("Velloro"));
  }
  EXPECT_EQ(QFileInfo(curve("absent.txt")).size(), 0);
  EXPECT_TRUE(QFileInfo(curve("absent.txt")).isFile());
}

TEST_F(CurveFileTest, BlanksAroundNumbersAreAllowed) {
  writeContent(curve("blank.txt"), curveFile(", 0, 40 ,100,150,200,255,", ",9 , 8,7,6,5,4,"));
  ASSERT_TRUE(loadCurve(points, "blank.txt", curves(), platform));
  EXPECT_EQ(points.x[2], 40);
  EXPECT_EQ(points.y[1], 9);
}

// A bad curve keeps the points shown and is reported without a site tag,
// after the flat-curve warning when the second line cannot be read.
TEST_F(CurveFileTest, UnreadableCurvesAreReportedAndKeepThePoints) {
  writeContent(curve("bad.txt"), ",0,50,abc,150,200,255,");
  writeContent(curve("big.txt"), curveFile(",0,50,100,150,200,255,", ",1,2,3,4,5,40000,"));
  writeContent(curve("flat.txt"), ",0,50,50,150,200,255,");
  QDir(curves()).mkdir("folder.txt");
  struct Case {
    const char* name;
    QString folder;
    size_t messages;
    const char* report;
  };
  const Case cases[] = {
      {"bad.txt", curves(), 2, "error number : 13\r\nType mismatch"},
      {"big.txt", curves(), 1, "error number : 6\r\n"},
      {"flat.txt", curves(), 2, "error number : 5\r\nCurve positions must rise from 0 to 255: "},
      {"folder.txt", curves(), 1, "error number : 75\r\n"},
      {"mine.txt", curve("nowhere"), 1, "error number : 76\r\n"},
  };
  for (const Case& c : cases) {
    ScriptedPlatform seam;
    points = rising;
    EXPECT_FALSE(loadCurve(points, c.name, c.folder, seam)) << c.name;
    EXPECT_EQ(points, rising) << c.name;
    ASSERT_EQ(seam.messages.size(), c.messages) << c.name;
    EXPECT_TRUE(seam.messages.back().text.startsWith(QLatin1String(c.report))) << c.name;
    EXPECT_EQ(seam.messages.back().icon, MessageIcon::None) << c.name;
  }
}

TEST_F(CurveFileTest, CancelledDialogsChangeNothingAndSayNothing) {
  points = rising;
  EXPECT_FALSE(loadCurve(points, {}, curves(), platform));
  EXPECT_FALSE(saveCurve(points, {}, curves(), platform));
  EXPECT_EQ(points, rising);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.saveRequests.at(0).defaultSuffix, QStringLiteral("txt"));
}

// A missing curves folder is made; a file in its place is reported, leaving nothing behind.
TEST_F(CurveFileTest, SaveMakesTheCurvesFolderOrReportsWhyNot) {
  ASSERT_TRUE(saveCurve(rising, "x.txt", curve("new/curves"), platform));
  EXPECT_TRUE(QFileInfo(curve("new/curves/x.txt")).isFile());
  writeContent(curve("blocker"), "a file, not a folder");
  EXPECT_FALSE(saveCurve(rising, "x.txt", curve("blocker"), platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("error number : ")));
  EXPECT_EQ(filesLeft(), QStringList{"blocker"});
}
