#include "software_manager.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

const QString packageName = QStringLiteral("velloro");
const QString appStreamId = QStringLiteral("org.velloro.Velloro");
constexpr int packageQueryTimeoutMs = 5000;

}  // namespace

const QList<SoftwareManager>& softwareManagers() {
  static const QList<SoftwareManager> managers{
      {QStringLiteral("gnome-software"),
       {QStringLiteral("--details-pkg=") + packageName},
       {QStringLiteral("--mode=installed")}},
      {QStringLiteral("plasma-discover"),
       {QStringLiteral("--application"), appStreamId},
       {QStringLiteral("--mode"), QStringLiteral("Installed")}},
      {QStringLiteral("mintinstall"), {}, {}},
      {QStringLiteral("pamac-manager"), {}, {}},
      {QStringLiteral("synaptic-pkexec"), {}, {}},
  };
  return managers;
}

namespace {

const SoftwareManager* firstInstalledManager(QString& path) {
  for (const SoftwareManager& manager : softwareManagers()) {
    path = QStandardPaths::findExecutable(manager.program);
    if (!path.isEmpty()) return &manager;
  }
  return nullptr;
}

}  // namespace

bool installedFromPackage() {
  const QString query = QStandardPaths::findExecutable(QStringLiteral("dpkg-query"));
  if (query.isEmpty()) return false;
  QProcess dpkg;
  dpkg.start(query, {QStringLiteral("-W"), QStringLiteral("-f=${Status}"), packageName});
  if (!dpkg.waitForFinished(packageQueryTimeoutMs)) {
    dpkg.kill();
    dpkg.waitForFinished();
    return false;
  }
  // A removed package whose configuration files stay is still listed.
  return dpkg.exitStatus() == QProcess::NormalExit && dpkg.exitCode() == 0 &&
         dpkg.readAllStandardOutput().trimmed() == "install ok installed";
}

QStringList managerArguments(const SoftwareManager& manager, bool packaged) {
  if (packaged && !manager.entryArguments.isEmpty()) return manager.entryArguments;
  return manager.installedListArguments;
}

void startSoftwareManager() {
  QString path;
  const SoftwareManager* manager = firstInstalledManager(path);
  if (!manager) return;
  QProcess::startDetached(path, managerArguments(*manager, installedFromPackage()));
}
