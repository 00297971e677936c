// A lane draws with the design it drew last: whatever it drew before, each
// picture has the bytes `Velloro --render` writes for the same options.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "files/failure.h"
#include "headless/picture_output.h"
#include "rendered_bytes.h"
#include "service/engine_lanes.h"
#include "service/query_error.h"
#include "service/render_queue.h"
#include "service/title_query.h"
#include "test_files.h"

using namespace Qt::StringLiterals;

namespace {

class LaneDesignTest : public ::testing::Test {
 protected:
  // The bytes of `query`'s picture as the lane draws it now, encoded as
  // `format`, within `timeLimit`; the reason when the query or the title
  // is refused, "stopped" when the render was stopped at the time limit.
  QByteArray drawn(const QByteArray& query, const QString& format = u"png"_s,
                   std::chrono::milliseconds timeLimit = std::chrono::minutes(1)) {
    try {
      const RenderRequest request = readTitleQuery(queryPairs(query), folders, limits).request;
      QImage picture;
      lane.thread.run(
          [&](std::stop_token stop) {
            picture = titlePicture(request, QStringLiteral(SHIPPED_DATA), limits.mostPixels, lane,
                                   std::move(stop));
          },
          std::chrono::steady_clock::now() + timeLimit);
      return encodedPicture(picture, format, request.quality);
    } catch (const QueryError& error) {
      return error.what();
    } catch (const Failure& failure) {
      return failure.description().toUtf8();
    } catch (const RenderStopped&) {
      return "stopped";
    }
  }

  QTemporaryDir styles;
  TitleFolders folders{styles.path(), {}, {}};
  QueryLimits limits{200, 4, 4'000'000};
  EngineLanes::Lane lane{QStringLiteral(ENGINE_PATH)};
};

QString shippedStyle(const QString& name) {
  return QStringLiteral(SHIPPED_DATA "/styles/") + name + u".vstyle"_s;
}

TEST_F(LaneDesignTest, EachPictureIsTheOneRenderWritesWhateverTheLaneDrewBefore) {
  ASSERT_TRUE(QFile::copy(shippedStyle(u"gold"_s), styles.filePath(u"gold.vstyle"_s)));
  const struct {
    QByteArray query;
    QStringList arguments;
    QString format;
  } sequence[] = {
      {"text=Velloro", {u"--text"_s, u"Velloro"_s}, u"png"_s},
      {"text=Velloro", {u"--text"_s, u"Velloro"_s}, u"png"_s},
      {"text=Shop+now", {u"--text"_s, u"Shop now"_s}, u"png"_s},
      {"text=Velloro", {u"--text"_s, u"Velloro"_s}, u"png"_s},
      {"text=Velloro&quality=40", {u"--text"_s, u"Velloro"_s, u"--quality"_s, u"40"_s}, u"webp"_s},
      {"text=Velloro&style=gold",
       {u"--text"_s, u"Velloro"_s, u"--style"_s, shippedStyle(u"gold"_s)},
       u"png"_s},
      {"text=Wide+gold+line&style=gold",
       {u"--text"_s, u"Wide gold line"_s, u"--style"_s, shippedStyle(u"gold"_s)},
       u"png"_s},
      {"text=Velloro&transparent&trim=3",
       {u"--text"_s, u"Velloro"_s, u"--transparent"_s, u"--trim"_s, u"3"_s},
       u"png"_s},
      {"text=Velloro&transparent", {u"--text"_s, u"Velloro"_s, u"--transparent"_s}, u"png"_s},
      {"text=A%0AB&scale=2", {u"--text"_s, u"A\nB"_s, u"--scale"_s, u"2"_s}, u"png"_s},
      {"text=Velloro&scale=2", {u"--text"_s, u"Velloro"_s, u"--scale"_s, u"2"_s}, u"png"_s},
      {"text=Velloro&canvas=90x40&at=5,6",
       {u"--text"_s, u"Velloro"_s, u"--canvas"_s, u"90x40"_s, u"--at"_s, u"5,6"_s},
       u"png"_s},
      {"text=Velloro", {u"--text"_s, u"Velloro"_s}, u"png"_s},
  };
  int row = 0;
  for (const auto& step : sequence) {
    const QByteArray expected = renderedBytes(step.arguments, step.format);
    ASSERT_NE(expected, "render failed") << step.query.toStdString();
    EXPECT_TRUE(drawn(step.query, step.format) == expected)
        << "row " << row << ": " << step.query.toStdString();
    ++row;
  }
}

// A title refused, or stopped part way, leaves nothing half drawn for the
// next title of its design.
TEST_F(LaneDesignTest, ATitleRefusedOrStoppedLeavesTheNextAsRenderWritesIt) {
  const QStringList slowDesign{u"--size"_s, u"150"_s,      u"--scale"_s,
                               u"3"_s,      u"--effect"_s, u"glow:width=100"_s};
  const QByteArray slowQuery = "size=150&scale=3&effect=glow%3Awidth%3D100&text=";
  const QByteArray velloro = renderedBytes({u"--text"_s, u"Velloro"_s}, u"png"_s);
  EXPECT_TRUE(drawn("text=Velloro") == velloro);
  EXPECT_EQ(drawn("text=Velloro&letter-spacing=-200").toStdString(),
            "--letter-spacing: -200 pixels draws the letters over one another");
  EXPECT_TRUE(drawn("text=Velloro") == velloro);
  EXPECT_EQ(drawn(slowQuery + "Slow+render", u"png"_s, std::chrono::milliseconds(50)).toStdString(),
            "stopped");
  EXPECT_TRUE(drawn(slowQuery + "S") ==
              renderedBytes(slowDesign + QStringList{u"--text"_s, u"S"_s}, u"png"_s));
}

// A style written anew is read anew, also when the design's options are the same.
TEST_F(LaneDesignTest, AStyleFileWrittenAgainIsReadAgain) {
  const QString path = styles.filePath(u"mine.vstyle"_s);
  ASSERT_TRUE(QFile::copy(shippedStyle(u"gold"_s), path));
  const QByteArray gold =
      renderedBytes({u"--text"_s, u"Hi"_s, u"--style"_s, shippedStyle(u"gold"_s)}, u"png"_s);
  const QByteArray steel =
      renderedBytes({u"--text"_s, u"Hi"_s, u"--style"_s, shippedStyle(u"steel"_s)}, u"png"_s);
  ASSERT_NE(gold, steel);
  EXPECT_TRUE(drawn("text=Hi&style=mine") == gold);
  QFile shipped(shippedStyle(u"steel"_s));
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  writeContent(path, shipped.readAll());
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadWrite));
  ASSERT_TRUE(written.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                  QFileDevice::FileModificationTime));
  written.close();
  EXPECT_TRUE(drawn("text=Hi&style=mine") == steel);
}

}  // namespace
