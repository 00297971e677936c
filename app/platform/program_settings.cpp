#include "platform/program_settings.h"

#include <QStandardPaths>

#include "files/failure.h"
#include "files/file_writing.h"

namespace {

QString& settingsFolder() {
  static QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder;
}

}  // namespace

QString programSettingsFile() { return settingsFolder() + QStringLiteral("/Velloro/Velloro.conf"); }

void keepSettingsIn(const QString& folder) { settingsFolder() = folder; }

// Qt's own writer replaces whatever a link leads to, device or not; it is
// handed the plain file at the link's end instead, once the rule allows it.
QSettings programSettings() {
  try {
    return QSettings(replacedFile(programSettingsFile()), QSettings::IniFormat);
  } catch (const Failure&) {
    return QSettings(QString(), QSettings::IniFormat);
  }
}
