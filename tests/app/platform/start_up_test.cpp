// What a start finds and leaves: screen metrics, old run folders and the first-run help.
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSettings>

#include "core_test.h"
#include "design/design_state.h"
#include "files/run_folder.h"
#include "platform/first_run_help.h"
#include "platform/program_settings.h"
#include "platform/recent_files.h"
#include "platform/registry.h"

TEST(DesignState, ScreenMetricsGiveLayoutUnitsAndFontScale) {
  DesignState state;
  applyScreenMetrics(state, 96, 96);
  EXPECT_EQ(state.layoutUnitX, 15);
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 1.0);
  applyScreenMetrics(state, 120, 144);
  EXPECT_EQ((std::array{state.layoutUnitX, state.layoutUnitY}), (std::array{12, 10}));
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 0.8);
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
QString firstRunFlag() { return programSettings().value(QStringLiteral("First/Value")).toString(); }

}  // namespace

// Only folders named as a run's, of a process that no longer lives, go; a
// link is never followed.
TEST(RunFolder, StartUpRemovesTheFoldersOfEndedRunsOnly) {
  QTemporaryDir temporary;
  QTemporaryDir elsewhere;
  const QDir folder(temporary.path());
  const qint64 ended = endedProcessId();
  const QString own = runName(QCoreApplication::applicationPid());
  const std::pair<QString, bool> cases[] = {
      {runName(ended), false},
      {own, true},
      {runName(1), true},
      {runName(ended, "short"), true},
      {QStringLiteral("Velloro-x-a1B2c3"), true},
      {QStringLiteral("VelloroUndo-a1B2c3"), true},
  };
  for (const auto& [name, stays] : cases) {
    ASSERT_TRUE(folder.mkdir(name));
    writeContent(folder.filePath(name + "/Undo0.tmp"), "step");
  }
  writeContent(elsewhere.filePath("kept.txt"), "kept");
  ASSERT_TRUE(QFile::link(elsewhere.path(), folder.filePath(runName(ended, "LinkXX"))));
  removeFoldersOfEndedRuns(temporary.path());
  for (const auto& [name, stays] : cases)
    EXPECT_EQ(folder.exists(name), stays) << name.toStdString();
  EXPECT_TRUE(QFileInfo::exists(elsewhere.filePath("kept.txt")));
}

// Without its page the help is not shown, but the flag is written all the
// same; a store that cannot be written is reported.
TEST(FirstRunHelp, ShowsOnceAndIsRememberedInAStoreOfItsOwn) {
  QTemporaryDir settings;
  keepSettingsIn(settings.path());
  QTemporaryDir program;
  ScriptedPlatform platform;
  showFirstRunHelpOnce(platform, program.path());
  EXPECT_TRUE(platform.helpPages.empty());
  EXPECT_EQ(firstRunFlag(), QStringLiteral("1"));
  programSettings().clear();
  writeContent(program.filePath("help/velloro.htm"), {});
  showFirstRunHelpOnce(platform, program.path());
  ASSERT_EQ(platform.helpPages.size(), 1u);
  EXPECT_EQ(platform.helpPages[0].toString(),
            QUrl::fromLocalFile(program.filePath("help/velloro.htm")).toString() + "#FirstRun");
  // Shown, it is remembered: a third start shows nothing.
  showFirstRunHelpOnce(platform, program.path());
  EXPECT_EQ(platform.helpPages.size(), 1u);
  ASSERT_TRUE(QDir(settings.filePath("Velloro")).removeRecursively());
  QFile blocker(settings.filePath("Velloro"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  EXPECT_FALSE(registryWrite(QStringLiteral("Software\\Velloro\\First"), QStringLiteral("Value"),
                             QStringLiteral("1")));
}

// The window's placement, the recent files and the registry's values are
// one file of the user's, whichever part writes them.
TEST(ProgramSettings, EveryPartWritesTheOneFileOfTheUser) {
  QTemporaryDir settings;
  keepSettingsIn(settings.path());
  programSettings().setValue(QStringLiteral("Window/Geometry"), QByteArray("kept"));
  rememberRecentFile(QStringLiteral("/pictures/a.bmp"));
  ASSERT_TRUE(registryWrite(QStringLiteral("Software\\Velloro\\First"), QStringLiteral("Value"),
                            QStringLiteral("1")));
  EXPECT_EQ(contentOf(settings.filePath("Velloro/Velloro.conf")),
            "[First]\nValue=1\n\n[Recent]\nFiles=/pictures/a.bmp\n\n"
            "[Window]\nGeometry=@ByteArray(kept)\n");
  EXPECT_EQ(registryRead(QStringLiteral("Software\\Velloro\\Window"), QStringLiteral("Geometry")),
            QStringLiteral("kept"));
}
