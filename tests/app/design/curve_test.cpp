// Curve files, the curve box's drawing and the spline through the points.
#include <QFontMetrics>

#include "core_test.h"
#include "design/curve_drawing.h"
#include "design/curve_file.h"
#include "design/curve_spline.h"

namespace {

const CurvePoints rising{{0, 50, 100, 150, 200, 255}, {0, 20, 80, 160, 230, 255}};

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

const QRgb red = qRgb(255, 0, 0);
const QRgb black = qRgb(0, 0, 0);
const QColor background(90, 90, 120);

const CurvePoints bumpy{{0, 40, 90, 150, 210, 255}, {60, 210, 90, 225, 120, 40}};

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
  EXPECT_EQ(filesLeft(), QStringList{"mine.txt"});
  // Blanks around the numbers are allowed.
  writeContent(curve("blank.txt"), curveFile(", 0, 40 ,100,150,200,255,", ",9 , 8,7,6,5,4,"));
  ASSERT_TRUE(loadCurve(points, "blank.txt", curves(), platform));
  EXPECT_EQ((std::array{points.x[1], points.y[0]}), (std::array{40, 9}));
  EXPECT_TRUE(platform.messages.empty());
}

// The shipped curves come back, byte for byte, when their file is missing
// or empty, also with the curves folder gone, and load; a curve the user
// changed stays.
TEST_F(CurveFileTest, LostShippedCurvesAreRestored) {
  const QByteArray changed = curveFile(",0,60,100,150,200,255,", ",1,2,3,4,5,6,");
  writeContent(curve("steel.txt"), QByteArray());
  writeContent(curve("gold.txt"), changed);
  const std::tuple<const char*, QString, QByteArray> cases[] = {
      {"steel.txt", curves(), contentOf(SHIPPED_CURVES "/steel.txt")},
      {"default.txt", curves(), contentOf(SHIPPED_CURVES "/default.txt")},
      {"gold.txt", curve("gone"), contentOf(SHIPPED_CURVES "/gold.txt")},
      {"gold.txt", curves(), changed},
  };
  for (const auto& [name, folder, expected] : cases) {
    SCOPED_TRACE(name);
    ScriptedPlatform seam;
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(loadCurve(points, name, folder, seam));
    EXPECT_EQ(contentOf(folder + '/' + name), expected);
    EXPECT_TRUE(seam.messages.empty());
  }
}

// A missing name leaves an empty file; both read as the flat curve after a warning.
TEST_F(CurveFileTest, MissingOrHalfFileGivesTheFlatCurveAfterAWarning) {
  writeContent(curve("half.txt"), ",0,30,60,90,120,255,");
  const std::pair<const char*, std::array<int32_t, curvePointCount>> cases[] = {
      {"half.txt", {0, 30, 60, 90, 120, 255}}, {"absent.txt", {0, 50, 100, 150, 200, 255}}};
  for (const auto& [name, positions] : cases) {
    ScriptedPlatform seam;
    ASSERT_TRUE(loadCurve(points, name, curves(), seam));
    EXPECT_EQ(points.x, positions);
    EXPECT_EQ(points.y, (std::array<int32_t, curvePointCount>{128, 128, 128, 128, 128, 128}));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].title + seam.messages[0].text,
              "VelloroCannot read : ''" + curve(name) + "''\r\nI draw a flat curve ...");
    EXPECT_EQ(seam.messages[0].icon, MessageIcon::Exclamation);
  }
  EXPECT_EQ(QFileInfo(curve("absent.txt")).size(), 0);
  EXPECT_TRUE(QFileInfo(curve("absent.txt")).isFile());
}

// A bad curve keeps the points shown and is reported without a site tag,
// after the flat-curve warning when the second line cannot be read.
TEST_F(CurveFileTest, UnreadableCurvesAreReportedAndKeepThePoints) {
  writeContent(curve("bad.txt"), ",0,50,abc,150,200,255,");
  writeContent(curve("big.txt"), curveFile(",0,50,100,150,200,255,", ",1,2,3,4,5,40000,"));
  writeContent(curve("flat.txt"), ",0,50,50,150,200,255,");
  QDir(curves()).mkdir("folder.txt");
  // The file, its folder, how many messages and how the last one starts.
  const std::tuple<const char*, QString, size_t, const char*> cases[] = {
      {"bad.txt", curves(), 2, "error number : 13\r\nType mismatch"},
      {"big.txt", curves(), 1, "error number : 6\r\n"},
      {"flat.txt", curves(), 2, "error number : 5\r\nCurve positions must rise from 0 to 255: "},
      {"folder.txt", curves(), 1, "error number : 75\r\n"},
      {"mine.txt", curve("nowhere"), 1, "error number : 76\r\n"},
  };
  for (const auto& [name, folder, messages, report] : cases) {
    SCOPED_TRACE(name);
    ScriptedPlatform seam;
    points = rising;
    EXPECT_FALSE(loadCurve(points, name, folder, seam));
    EXPECT_EQ(points, rising);
    ASSERT_EQ(seam.messages.size(), messages);
    EXPECT_TRUE(seam.messages.back().text.startsWith(QLatin1String(report)));
    EXPECT_EQ(seam.messages.back().icon, MessageIcon::None);
  }
}

TEST_F(CurveFileTest, CancelledSaveWritesNothingAndSaveMakesTheCurvesFolderOrReportsWhyNot) {
  EXPECT_FALSE(saveCurve(rising, {}, curves(), platform));
  EXPECT_EQ(platform.saveRequests.at(0).defaultSuffix, QStringLiteral("txt"));
  // A missing curves folder is made; a file in its place is reported, leaving nothing behind:
  // the one message and the one file at the end are also all the cancel left.
  ASSERT_TRUE(saveCurve(rising, "x.txt", curve("new/curves"), platform));
  EXPECT_TRUE(QFileInfo(curve("new/curves/x.txt")).isFile());
  writeContent(curve("blocker"), "a file, not a folder");
  EXPECT_FALSE(saveCurve(rising, "x.txt", curve("blocker"), platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("error number : ")));
  EXPECT_EQ(filesLeft(), QStringList{"blocker"});
}

TEST(CurveDrawing, FrameHasAxesArrowsPointCirclesAndLabelsAndThePlotFollowsTheCurve) {
  QImage box(150, 70, QImage::Format_RGB888);
  drawCurveFrame(box, CurvePoints{}, background, QFont());
  // The axes, the arrow tip, and the circle of radius 3 around point 3
  // (100, 128) at (56, 32.4), open in its middle.
  for (const QPoint at :
       {QPoint(6, 45), QPoint(100, 58), QPoint(138, 58), QPoint(59, 32), QPoint(53, 32)})
    EXPECT_EQ(box.pixel(at), black) << at.x() << "," << at.y();
  EXPECT_EQ(box.pixel(145, 5), background.rgb());
  EXPECT_NE(box.pixel(56, 32), black);
  int lighter = 0;  // the labels are a shade lighter than the box
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 120; ++x) lighter += qGray(box.pixel(x, y)) > qGray(background.rgb());
  EXPECT_GT(lighter, 30);

  // The flat curve plots one red row; a rising one follows the spline.
  box.fill(background);
  plotCurve(box, CurvePoints{});
  for (int x = 6; x <= 133; ++x) EXPECT_EQ(box.pixel(x, 32), red) << x;
  int reds = 0;
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x) reds += box.pixel(x, y) == red;
  EXPECT_EQ(reds, 134 - 6 + 1);
  box.fill(background);
  const CurvePoints rising{{0, 50, 100, 150, 200, 255}, {0, 50, 100, 150, 200, 255}};
  plotCurve(box, rising);
  // (0, 0), (100, 100) and (255, 255)
  for (const QPoint at : {QPoint(6, 58), QPoint(56, 38), QPoint(134, 7)})
    EXPECT_EQ(box.pixel(at), red) << at.x();
}

// The labels are a faint watermark behind the curve on any box: on a dark
// one they stay close to the box's colour, and a wide face is made smaller
// rather than cut at the box's right edge.
TEST(CurveDrawing, LabelsStayFaintAndInsideTheBoxOnLightAndDarkBoxes) {
  const struct {
    QColor box;
    int brightest;  // the lightest grey a label pixel may have
  } cases[] = {{QColor(212, 208, 200), 240}, {QColor(53, 53, 53), 100}, {QColor(0, 0, 0), 60}};
  for (const auto& [box, brightest] : cases) {
    SCOPED_TRACE(box.name().toStdString());
    QImage picture(142, 66, QImage::Format_RGB888);
    // Points far down, out of the labels' way.
    const CurvePoints low{{0, 50, 100, 150, 200, 255}, {0, 0, 0, 0, 0, 0}};
    drawCurveFrame(picture, low, box, QFont());
    int labelled = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 12; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (pixel == box.rgb()) continue;
        ++labelled;
        EXPECT_LE(qGray(pixel), brightest) << x << "," << y;
        EXPECT_GE(qGray(pixel), qGray(box.rgb())) << x << "," << y;
      }
    EXPECT_GT(labelled, 100);
    for (int y = 0; y < 50; ++y)
      for (int x = picture.width() - 2; x < picture.width(); ++x)
        EXPECT_EQ(picture.pixel(x, y), box.rgb()) << x << "," << y;
  }
}

// The labels take the chart's own font, bold, at its size on the screen:
// a theme's font, not a size of their own; a face too wide for the box is
// made smaller. Between the two labels the box stays clear.
TEST(CurveDrawing, LabelsTakeTheChartsFontSize) {
  // The chart's size, and whether the labels keep it.
  const std::pair<int, bool> cases[] = {{9, true}, {15, true}, {60, false}};
  for (const auto& [chartPixels, fits] : cases) {
    SCOPED_TRACE(chartPixels);
    QFont chart(QStringLiteral("DejaVu Sans"));
    chart.setPixelSize(chartPixels);
    const QFont label = curveLabelFont(chart, 142);
    EXPECT_TRUE(label.bold());
    EXPECT_EQ(label.pixelSize() == chartPixels, fits);
    EXPECT_LE(label.pixelSize(), chartPixels);
    QImage picture(142, 66, QImage::Format_RGB888);
    const CurvePoints low{{0, 50, 100, 150, 200, 255}, {0, 0, 0, 0, 0, 0}};
    drawCurveFrame(picture, low, background, chart);
    const int below = QFontMetrics(label).height();
    int inked = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 20; x < 140; ++x) inked += y >= below && picture.pixel(x, y) != background.rgb();
    EXPECT_EQ(inked, 0);
  }
}

// A natural spline: no bend at the ends, through the points with equal
// slopes at every inner knot.
TEST(CurveSpline, NaturalSplineThroughThePointsJoinsSmoothly) {
  const CurveSpline spline = computeSpline(bumpy);
  EXPECT_EQ(spline.secondDerivative[0], 0.0);
  EXPECT_EQ(spline.secondDerivative[5], 0.0);
  for (int k = 0; k <= 4; ++k) {
    EXPECT_NEAR(curveValue(bumpy, spline, k, bumpy.x[k]), bumpy.y[k], 1e-3);
    EXPECT_NEAR(curveValue(bumpy, spline, k, bumpy.x[k + 1]), bumpy.y[k + 1], 1e-3);
  }
  // Slopes over one step of x, the finest the integer positions allow.
  const auto slope = [&](int k, int x) {
    return double(curveValue(bumpy, spline, k, x + 1)) - curveValue(bumpy, spline, k, x);
  };
  for (int k = 1; k <= 4; ++k)
    EXPECT_NEAR(slope(k - 1, bumpy.x[k] - 1), slope(k, bumpy.x[k]), 0.5) << "knot " << k;
}
