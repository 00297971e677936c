// A scripted platform and a folder of the test's own, for the output dialogs
// driven without the main window.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "desktop/scripted_platform.h"

class OutputTest : public testing::Test {
 protected:
  QString path(const QString& name) const { return folder.filePath(name); }

  QTemporaryDir folder;
  ScriptedPlatform scripted;
  ScriptedPlatform* const seam = &scripted;
};
