#include "software_manager.h"

#include <QProcess>
#include <QStandardPaths>

QStringList softwareManagerCandidates() {
  return {QStringLiteral("gnome-software"),  QStringLiteral("plasma-discover"),
          QStringLiteral("mintinstall"),     QStringLiteral("pamac-manager"),
          QStringLiteral("synaptic-pkexec"), QStringLiteral("software-properties-gtk")};
}

QString findSoftwareManager() {
  for (const QString& name : softwareManagerCandidates()) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return {};
}

void startSoftwareManager() {
  const QString manager = findSoftwareManager();
  if (!manager.isEmpty()) QProcess::startDetached(manager, {});
}
