#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "software_manager.h"
#include "test_files.h"

namespace {

bool appearsSoon(const QString& path) {
  QDeadlineTimer deadline(20000);
  while (!QFile::exists(path) && !deadline.hasExpired()) QThread::msleep(20);
  return QFile::exists(path);
}

// Stand-ins for the system's programs in a folder of their own, the only
// one on the search path while a test runs.
class Uninstall : public testing::Test {
 protected:
  void SetUp() override { qputenv("PATH", QFile::encodeName(folder.path())); }
  void TearDown() override { qputenv("PATH", keptPath); }

  // A stand-in runs with only the system's folders on its own path.
  void writeScript(const char* name, const QByteArray& body) {
    writeContent(folder.filePath(QLatin1String(name)), "#!/bin/sh\nPATH=/usr/bin:/bin\n" + body);
    QFile::setPermissions(folder.filePath(QLatin1String(name)),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  QProcess& run() {
    launcher.start(QStringLiteral(UNINSTALL_PATH), {});
    EXPECT_TRUE(launcher.waitForFinished(20000));
    return launcher;
  }

  const QByteArray keptPath = qgetenv("PATH");
  QTemporaryDir folder;
  QProcess launcher;
};

TEST_F(Uninstall, EndsQuietlyWhenNoProgramManagerIsInstalledOrTheManagerFails) {
  QProcess& finished = run();
  EXPECT_EQ(finished.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(finished.exitCode(), 0);
  EXPECT_TRUE(finished.readAllStandardOutput().isEmpty());
  EXPECT_TRUE(finished.readAllStandardError().isEmpty());
  writeScript("plasma-discover", "exit 3");
  EXPECT_EQ(run().exitCode(), 0);
}

TEST_F(Uninstall, StartsTheProgramManagerWithoutWaitingForIt) {
  const QString go = folder.filePath(QStringLiteral("go"));
  const QString opened = folder.filePath(QStringLiteral("opened"));
  // The stand-in manager only finishes opening once the test says so.
  writeScript("gnome-software", "while [ ! -f '" + go.toUtf8() +
                                    "' ]; do sleep 0.05; done; touch '" + opened.toUtf8() + "'");
  EXPECT_EQ(run().exitCode(), 0);
  EXPECT_FALSE(QFile::exists(opened));
  writeContent(go, "");
  EXPECT_TRUE(appearsSoon(opened));
}

TEST_F(Uninstall, TheFirstInstalledCandidateIsChosen) {
  writeScript("synaptic-pkexec", "true");
  writeScript("plasma-discover", "true");
  EXPECT_EQ(findSoftwareManager(), folder.filePath(QStringLiteral("plasma-discover")));
}

// What dpkg-query prints for velloro, with its exit code; nothing for a
// package it does not know.
TEST_F(Uninstall, OnlyAnInstalledPackageCounts) {
  const struct {
    QByteArray status;
    int exitCode;
    bool packaged;
  } states[] = {{"install ok installed", 0, true},
                {"deinstall ok config-files", 0, false},
                {"install reinstreq half-installed", 0, false},
                {"", 1, false}};
  for (const auto& state : states) {
    writeScript("dpkg-query", "[ \"$*\" = '-W -f=${Status} velloro' ] || exit 9\nprintf '" +
                                  state.status + "'\nexit " + QByteArray::number(state.exitCode));
    EXPECT_EQ(installedFromPackage(), state.packaged) << state.status.constData();
  }
}

// The arguments the manager is started with, one a line.
TEST_F(Uninstall, OpensVellorosEntryWhenPackagedElseTheInstalledList) {
  const struct {
    const char* manager;
    bool packaged;
    const char* arguments;
  } cases[] = {{"gnome-software", true, "--details-pkg=velloro\n"},
               {"gnome-software", false, "--mode=installed\n"},
               {"plasma-discover", true, "--application\norg.velloro.Velloro\n"},
               {"plasma-discover", false, "--mode\nInstalled\n"},
               {"synaptic-pkexec", true, "\n"}};
  const QByteArray recorded = folder.filePath(QStringLiteral("arguments")).toUtf8();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.manager << (c.packaged ? " packaged" : ""));
    writeScript(c.manager, "printf '%s\\n' \"$@\" > '" + recorded + ".part'; mv '" + recorded +
                               ".part' '" + recorded + "'");
    writeScript("dpkg-query", c.packaged ? "printf 'install ok installed'" : "exit 1");
    EXPECT_EQ(run().exitCode(), 0);
    ASSERT_TRUE(appearsSoon(recorded));
    EXPECT_EQ(contentOf(recorded).toStdString(), c.arguments);
    QFile::remove(recorded);
    QFile::remove(folder.filePath(QLatin1String(c.manager)));
  }
}

}  // namespace
