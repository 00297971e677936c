// Runs the scaled-screen cases inside a QApplication whose screen has twice
// as many pixels per point, offscreen, with settings kept in a folder of
// this run only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
