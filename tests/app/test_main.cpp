// Runs the GoogleTest cases of the program core inside a QApplication, on
// the offscreen platform unless another was asked for, with settings kept in
// a folder of this run only. Built with VELLORO_TEST_SCALE_FACTOR, its screen
// has that many pixels per point.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/program_settings.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VELLORO_TEST_SCALE_FACTOR
  qputenv("QT_SCALE_FACTOR", VELLORO_TEST_SCALE_FACTOR);
#endif
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  keepSettingsIn(settingsFolder.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
