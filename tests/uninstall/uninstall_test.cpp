#include <gtest/gtest.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include "software_manager.h"

namespace {

void writeScript(const QString& path, const QByteArray& body) {
  QFile script(path);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  // The launcher runs with only the test folder on its path.
  script.write("#!/bin/sh\nPATH=/usr/bin:/bin\n" + body + "\n");
  script.close();
  script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool appearsSoon(const QString& path) {
  QDeadlineTimer deadline(20000);
  while (!QFile::exists(path) && !deadline.hasExpired()) QThread::msleep(20);
  return QFile::exists(path);
}

class Uninstall : public testing::Test {
 protected:
  // Runs the launcher with only `folder` on the search path.
  QProcess& run() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), folder.path());
    launcher.setProcessEnvironment(environment);
    launcher.start(QStringLiteral(UNINSTALL_PATH), {});
    EXPECT_TRUE(launcher.waitForFinished(20000));
    return launcher;
  }

  QTemporaryDir folder;
  QProcess launcher;
};

TEST_F(Uninstall, EndsQuietlyWhenNoProgramManagerIsInstalled) {
  QProcess& finished = run();
  EXPECT_EQ(finished.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(finished.exitCode(), 0);
  EXPECT_TRUE(finished.readAllStandardOutput().isEmpty());
  EXPECT_TRUE(finished.readAllStandardError().isEmpty());
}

TEST_F(Uninstall, StartsTheProgramManagerWithoutWaitingForIt) {
  const QString go = folder.filePath(QStringLiteral("go"));
  const QString opened = folder.filePath(QStringLiteral("opened"));
  // The stand-in manager only finishes opening once the test says so.
  writeScript(
      folder.filePath(QStringLiteral("gnome-software")),
      "while [ ! -f '" + go.toUtf8() + "' ]; do sleep 0.05; done; touch '" + opened.toUtf8() + "'");
  QProcess& finished = run();
  EXPECT_EQ(finished.exitCode(), 0);
  EXPECT_FALSE(QFile::exists(opened));
  QFile(go).open(QIODevice::WriteOnly);
  EXPECT_TRUE(appearsSoon(opened));
}

TEST_F(Uninstall, AManagerThatFailsIsNoError) {
  writeScript(folder.filePath(QStringLiteral("plasma-discover")), "exit 3");
  EXPECT_EQ(run().exitCode(), 0);
}

TEST(SoftwareManager, TheFirstInstalledCandidateIsChosen) {
  QTemporaryDir folder;
  writeScript(folder.filePath(QStringLiteral("synaptic-pkexec")), "true");
  writeScript(folder.filePath(QStringLiteral("plasma-discover")), "true");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(folder.path()));
  EXPECT_EQ(findSoftwareManager(), folder.filePath(QStringLiteral("plasma-discover")));
  qputenv("PATH", QFile::encodeName(QDir::rootPath() + QStringLiteral("nonexistent")));
  EXPECT_TRUE(findSoftwareManager().isEmpty());
  qputenv("PATH", path);
}

}  // namespace
