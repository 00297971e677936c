#include "platform/registry.h"

#include "platform/program_settings.h"

namespace {

constexpr qsizetype longestValue = 255;

QString settingsGroup(const QString& keyPath) {
  QString group = keyPath;
  group.replace('\\', '/');
  const QString ownRoot = QStringLiteral("Software/Velloro/");
  if (group.startsWith(ownRoot)) group.remove(0, ownRoot.size());
  return group;
}

}  // namespace

bool registryWrite(const QString& keyPath, const QString& valueName, const QString& text) {
  QSettings settings = programSettings();
  settings.setValue(settingsGroup(keyPath) + '/' + valueName, text);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

QString registryRead(const QString& keyPath, const QString& valueName) {
  QSettings settings = programSettings();
  if (settings.status() != QSettings::NoError) return {};
  settings.beginGroup(settingsGroup(keyPath));
  for (const QString& name : settings.childKeys()) {
    if (name == valueName) return settings.value(name).toString().left(longestValue);
  }
  return {};
}
