#include <gtest/gtest.h>

#include <QByteArray>
#include <QDeadlineTimer>
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

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Only `folder` on the search path while it lives.
class OnlyOnPath {
 public:
  explicit OnlyOnPath(const QString& folder) : kept_(qgetenv("PATH")) {
    qputenv("PATH", QFile::encodeName(folder));
  }
  ~OnlyOnPath() { qputenv("PATH", kept_); }

 private:
  QByteArray kept_;
};

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
  const OnlyOnPath path(folder.path());
  EXPECT_EQ(findSoftwareManager(), folder.filePath(QStringLiteral("plasma-discover")));
}

// What dpkg-query prints for velloro, with its exit code; empty for a
// package it does not know.
struct PackageState {
  const char* name;
  QByteArray status;
  int exitCode;
  bool packaged;
};

void PrintTo(const PackageState& state, std::ostream* out) { *out << state.name; }

class PackageQuery : public testing::TestWithParam<PackageState> {};

TEST_P(PackageQuery, OnlyAnInstalledPackageCounts) {
  QTemporaryDir folder;
  writeScript(folder.filePath(QStringLiteral("dpkg-query")),
              "[ \"$*\" = '-W -f=${Status} velloro' ] || exit 9\nprintf '" + GetParam().status +
                  "'\nexit " + QByteArray::number(GetParam().exitCode));
  const OnlyOnPath path(folder.path());
  EXPECT_EQ(installedFromPackage(), GetParam().packaged);
}

INSTANTIATE_TEST_SUITE_P(
    Uninstall, PackageQuery,
    testing::Values(PackageState{"Installed", "install ok installed", 0, true},
                    PackageState{"OnlyConfigurationLeft", "deinstall ok config-files", 0, false},
                    PackageState{"HalfInstalled", "install reinstreq half-installed", 0, false},
                    PackageState{"Unknown", "", 1, false}),
    [](const testing::TestParamInfo<PackageState>& info) { return info.param.name; });

// A program manager on the path, whether dpkg holds velloro, and the
// arguments the manager must be started with.
struct ManagerCase {
  const char* name;
  const char* manager;
  bool packaged;
  QByteArray arguments;  // one a line
};

void PrintTo(const ManagerCase& managerCase, std::ostream* out) { *out << managerCase.name; }

class ManagerPage : public Uninstall, public testing::WithParamInterface<ManagerCase> {};

TEST_P(ManagerPage, OpensVellorosEntryWhenPackagedElseTheInstalledList) {
  const QString recorded = folder.filePath(QStringLiteral("arguments"));
  writeScript(folder.filePath(QLatin1String(GetParam().manager)),
              "printf '%s\\n' \"$@\" > '" + recorded.toUtf8() + ".part'; mv '" + recorded.toUtf8() +
                  ".part' '" + recorded.toUtf8() + "'");
  writeScript(folder.filePath(QStringLiteral("dpkg-query")),
              GetParam().packaged ? "printf 'install ok installed'" : "exit 1");
  EXPECT_EQ(run().exitCode(), 0);
  ASSERT_TRUE(appearsSoon(recorded));
  EXPECT_EQ(contentOf(recorded), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Uninstall, ManagerPage,
    testing::Values(
        ManagerCase{"GnomeSoftwarePackaged", "gnome-software", true, "--details-pkg=velloro\n"},
        ManagerCase{"GnomeSoftwareUnpackaged", "gnome-software", false, "--mode=installed\n"},
        ManagerCase{"DiscoverPackaged", "plasma-discover", true,
                    "--application\norg.velloro.Velloro\n"},
        ManagerCase{"DiscoverUnpackaged", "plasma-discover", false, "--mode\nInstalled\n"},
        ManagerCase{"SynapticPackaged", "synaptic-pkexec", true, "\n"}),
    [](const testing::TestParamInfo<ManagerCase>& info) { return info.param.name; });

}  // namespace
