// A fresh design state, a scripted platform and a folder of the test's own,
// for the output dialogs driven without the main window.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"

class OutputTest : public testing::Test {
 protected:
  void SetUp() override;

  QString path(const QString& name) const { return folder.filePath(name); }

  // A picture with a gradient, so that JPEG qualities give different sizes.
  static QImage relief(QSize size);

  QTemporaryDir folder;
  ScriptedPlatform* seam = nullptr;
};
