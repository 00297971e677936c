#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <tuple>

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
  void writeScript(const QString& name, const QByteArray& body) {
    writeContent(folder.filePath(name), "#!/bin/sh\nPATH=/usr/bin:/bin\n" + body);
    QFile::setPermissions(folder.filePath(name),
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

// Without a manager it ends quietly; a manager is started and not waited for
// (one that failed could not be told either).
TEST_F(Uninstall, EndsQuietlyAndAtOnceWithOrWithoutAManager) {
  QProcess& finished = run();
  EXPECT_EQ(finished.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(finished.exitCode(), 0);
  EXPECT_TRUE(finished.readAllStandardOutput().isEmpty());
  EXPECT_TRUE(finished.readAllStandardError().isEmpty());
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

// What dpkg-query prints for velloro and its exit code; the first of the
// managers installed starts, on Velloro's entry only when the package is
// installed whole. Each stand-in records its name and arguments, one a line.
TEST_F(Uninstall, TheFirstManagerOpensVellorosEntryWhenPackagedElseTheInstalledList) {
  const std::tuple<const char*, QByteArray, int, const char*> cases[] = {
      {"gnome-software", "install ok installed", 0, "gnome-software\n--details-pkg=velloro\n"},
      {"gnome-software", "deinstall ok config-files", 0, "gnome-software\n--mode=installed\n"},
      {"synaptic-pkexec plasma-discover", "install ok installed", 0,
       "plasma-discover\n--application\norg.velloro.Velloro\n"},
      {"plasma-discover", "install reinstreq half-installed", 0,
       "plasma-discover\n--mode\nInstalled\n"},
      {"plasma-discover", "install ok installed", 1, "plasma-discover\n--mode\nInstalled\n"},
      {"synaptic-pkexec", "install ok installed", 0, "synaptic-pkexec\n"}};
  const QByteArray record = folder.filePath(QStringLiteral("arguments")).toUtf8();
  for (const auto& [names, status, exitCode, recorded] : cases) {
    SCOPED_TRACE(testing::Message() << names << ": " << status.constData());
    const QStringList managers = QString::fromLatin1(names).split(u' ');
    for (const QString& manager : managers)
      writeScript(manager, "printf '%s\\n' " + manager.toLatin1() + " \"$@\" > '" + record +
                               ".part'; mv '" + record + ".part' '" + record + "'");
    writeScript("dpkg-query", "[ \"$*\" = '-W -f=${Status} velloro' ] || exit 9\nprintf '" +
                                  status + "'\nexit " + QByteArray::number(exitCode));
    EXPECT_EQ(run().exitCode(), 0);
    ASSERT_TRUE(appearsSoon(record));
    EXPECT_EQ(contentOf(record).toStdString(), recorded);
    QFile::remove(record);
    for (const QString& manager : managers) QFile::remove(folder.filePath(manager));
  }
}

}  // namespace
