#include "state/registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "state/first_run_help.h"

namespace {
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
