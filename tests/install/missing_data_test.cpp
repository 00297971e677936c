// An installed copy whose shared data folder is gone or broken still starts
// with the default curve it carries inside, and draws.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "main_window/canvas_viewport.h"
#include "main_window/main_window.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/text_picture.h"
#include "test_files.h"

namespace {

enum class DataFolder { Missing, PlainFile, Empty };

const char* nameOf(DataFolder folder) {
  switch (folder) {
    case DataFolder::Missing: return "Missing";
    case DataFolder::PlainFile: return "PlainFile";
    case DataFolder::Empty: return "Empty";
  }
  return "";
}

void PrintTo(DataFolder folder, std::ostream* out) { *out << nameOf(folder); }

class MissingData : public testing::TestWithParam<DataFolder> {
 protected:
  void SetUp() override {
    savedTemporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QDir().mkpath(prefix.filePath("bin"));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("lib/velloro")));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ENGINE_PATH), prefix.filePath("lib/velloro/libVelloro.so")));
    if (GetParam() == DataFolder::PlainFile) writeContent(prefix.filePath("share/velloro"), "");
    if (GetParam() == DataFolder::Empty) QDir().mkpath(prefix.filePath("share/velloro"));
    QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).remove(QStringLiteral("First"));
    design() = DesignState{};
  }

  void TearDown() override { qputenv("TMPDIR", savedTemporaryFolder); }

  QTemporaryDir prefix;
  QTemporaryDir user;
  QTemporaryDir temporary;
  QByteArray savedTemporaryFolder;
};

TEST_P(MissingData, StartsWithItsOwnDefaultCurveAndStillDraws) {
  const QString folder = prepareProgramFolder(prefix.filePath("bin"), user.filePath("data"));
  ASSERT_EQ(folder, user.filePath("data"));
  const ProgramLayout layout = programLayout(prefix.filePath("bin"));
  EngineLibrary engine(layout.engineLibrary);
  auto seam = std::make_unique<ScriptedPlatform>();
  ScriptedPlatform& scripted = *seam;
  usePlatform(std::move(seam));
  std::unique_ptr<MainWindow> window = startVelloro(folder, scripted);
  window->useEngine(engine);

  const QString curve = folder + QStringLiteral("/curves/default.txt");
  EXPECT_TRUE(scripted.messages.empty());
  EXPECT_GT(QFileInfo(curve).size(), 99);
  EXPECT_NE(design().curve.y, CurvePoints().y);
  // Without its page the first-run help stays unshown.
  EXPECT_TRUE(scripted.helpPages.empty());

  window->draw();
  EXPECT_TRUE(scripted.messages.empty());
  const QImage drawn = window->canvasView()->picture();
  QImage blank(drawn.size(), drawn.format());
  blank.fill(Qt::white);
  EXPECT_NE(drawn, blank);
  window->endRun();
  EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
}

INSTANTIATE_TEST_SUITE_P(InstalledCopy, MissingData,
                         testing::Values(DataFolder::Missing, DataFolder::PlainFile,
                                         DataFolder::Empty),
                         [](const testing::TestParamInfo<DataFolder>& info) {
                           return nameOf(info.param);
                         });

}  // namespace
