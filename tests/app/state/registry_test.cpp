#include "state/registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/scripted_platform.h"
#include "state/first_run_help.h"

namespace {
const QString firstKey = QStringLiteral("Software\\Velloro\\First");

// Each test keeps its settings in a folder of its own.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  }
  QTemporaryDir settings;
};
}  // namespace

TEST_F(RegistryTest, WrittenValueReadsBackUnderItsSettingName) {
  EXPECT_TRUE(registryWrite(firstKey, QStringLiteral("Value"), QStringLiteral("1")));
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("Value")), QStringLiteral("1"));
  EXPECT_EQ(QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).value("First/Value"),
            QStringLiteral("1"));
}

TEST_F(RegistryTest, ReadGivesEmptyTextForMissingOrInexactNames) {
  registryWrite(firstKey, QStringLiteral("Value"), QStringLiteral("1"));
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("value")), QString());
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("Other")), QString());
  EXPECT_EQ(registryRead(QStringLiteral("Software\\Velloro\\Absent"), QStringLiteral("Value")),
            QString());
}

TEST_F(RegistryTest, ReadStopsAt255Characters) {
  registryWrite(firstKey, QStringLiteral("Long"), QString(300, 'x'));
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("Long")), QString(255, 'x'));
}

TEST_F(RegistryTest, WriteReportsAnUnwritableStore) {
  QFile blocker(settings.filePath("Velloro"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  EXPECT_FALSE(registryWrite(firstKey, QStringLiteral("Value"), QStringLiteral("1")));
}

TEST_F(RegistryTest, FirstRunHelpShowsOnceAndIsRemembered) {
  QTemporaryDir program;
  QDir(program.path()).mkpath("help");
  QFile page(program.filePath("help/velloro.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();

  ScriptedPlatform platform;
  showFirstRunHelpOnce(platform, program.path());
  ASSERT_EQ(platform.helpPages.size(), 1u);
  EXPECT_EQ(platform.helpPages[0].toLocalFile(), page.fileName());
  EXPECT_EQ(platform.helpPages[0].fragment(), QStringLiteral("FirstRun"));
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("Value")), QStringLiteral("1"));

  showFirstRunHelpOnce(platform, program.path());
  EXPECT_EQ(platform.helpPages.size(), 1u);
}

TEST_F(RegistryTest, MissingHelpIsNotShownButTheValueIsWritten) {
  QTemporaryDir program;
  ScriptedPlatform platform;
  showFirstRunHelpOnce(platform, program.path());
  EXPECT_TRUE(platform.helpPages.empty());
  EXPECT_EQ(registryRead(firstKey, QStringLiteral("Value")), QStringLiteral("1"));
}
