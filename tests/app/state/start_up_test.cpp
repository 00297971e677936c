#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "platform/run_folder.h"
#include "state/design_state.h"
#include "state/first_run_help.h"
#include "state/font_choices.h"
#include "state/registry.h"
#include "test_files.h"

TEST(DesignState, ScreenMetricsGiveLayoutUnitsAndFontScale) {
  DesignState state;
  applyScreenMetrics(state, 96, 96);
  EXPECT_EQ(state.layoutUnitX, 15);
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 1.0);
  applyScreenMetrics(state, 120, 144);
  EXPECT_EQ(state.layoutUnitX, 12);
  EXPECT_EQ(state.layoutUnitY, 10);
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 0.8);
}

// Closing the window deletes them: the window's test.
TEST(DesignState, WorkingFilesAreMadeEmptyInTheRunFolder) {
  WorkingFiles files;
  createStartupWorkingFiles(files);
  for (const QString& made : {files.render, files.canvas}) {
    const QFileInfo info(made);
    EXPECT_TRUE(info.isFile()) << made.toStdString();
    EXPECT_EQ(info.size(), 0);
    EXPECT_TRUE(info.fileName().startsWith('0')) << made.toStdString();
    EXPECT_EQ(info.absolutePath() + '/', runFolder());
  }
  EXPECT_NE(files.render, files.canvas);
  deleteWorkingFiles(files);
}

namespace {

// The id of a process that has ended and been reaped.
qint64 endedProcessId() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

QString runName(qint64 id, const char* tail = "a1B2c3") {
  return QStringLiteral("Velloro-%1-").arg(id) + QLatin1String(tail);
}

// The flag that the first-run help was shown, where the settings keep it.
QString firstRunFlag() {
  return QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro"))
      .value(QStringLiteral("First/Value"))
      .toString();
}

// Each test keeps its settings in a folder of its own.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  }
  QTemporaryDir settings;
};

}  // namespace

// Only folders named as a run's, of a process that no longer lives, go; a
// link is never followed.
TEST(RunFolder, StartUpRemovesTheFoldersOfEndedRunsOnly) {
  QTemporaryDir temporary;
  QTemporaryDir elsewhere;
  const QDir folder(temporary.path());
  const qint64 ended = endedProcessId();
  const QString own = runName(QCoreApplication::applicationPid());
  struct Case {
    QString name;
    bool stays;
  };
  const Case cases[] = {
      {runName(ended), false},
      {own, true},
      {runName(1), true},
      {runName(ended, "short"), true},
      {QStringLiteral("Velloro-x-a1B2c3"), true},
      {QStringLiteral("VelloroUndo-a1B2c3"), true},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(folder.mkdir(c.name));
    writeContent(folder.filePath(c.name + "/Undo0.tmp"), "step");
  }
  writeContent(elsewhere.filePath("kept.txt"), "kept");
  ASSERT_TRUE(QFile::link(elsewhere.path(), folder.filePath(runName(ended, "LinkXX"))));
  removeFoldersOfEndedRuns(temporary.path());
  for (const Case& c : cases) EXPECT_EQ(folder.exists(c.name), c.stays) << c.name.toStdString();
  EXPECT_TRUE(QFileInfo::exists(elsewhere.filePath("kept.txt")));
}

TEST_F(RegistryTest, WriteReportsAnUnwritableStore) {
  QFile blocker(settings.filePath("Velloro"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  EXPECT_FALSE(registryWrite(QStringLiteral("Software\\Velloro\\First"), QStringLiteral("Value"),
                             QStringLiteral("1")));
}

// Without its page the help is not shown, but the flag is written all the same.
TEST_F(RegistryTest, FirstRunHelpShowsOnceAndIsRemembered) {
  QTemporaryDir program;
  ScriptedPlatform platform;
  showFirstRunHelpOnce(platform, program.path());
  EXPECT_TRUE(platform.helpPages.empty());
  EXPECT_EQ(firstRunFlag(), QStringLiteral("1"));
  QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).clear();
  QDir(program.path()).mkpath("help");
  QFile page(program.filePath("help/velloro.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  showFirstRunHelpOnce(platform, program.path());
  ASSERT_EQ(platform.helpPages.size(), 1u);
  EXPECT_EQ(platform.helpPages[0].toLocalFile(), page.fileName());
  EXPECT_EQ(platform.helpPages[0].fragment(), QStringLiteral("FirstRun"));
  EXPECT_EQ(firstRunFlag(), QStringLiteral("1"));

  showFirstRunHelpOnce(platform, program.path());
  EXPECT_EQ(platform.helpPages.size(), 1u);
}
