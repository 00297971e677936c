// A scripted platform and a folder of the test's own, for the output
// dialogs driven without the main window.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"

class OutputTest : public testing::Test {
 protected:
  void SetUp() override {
    auto scripted = std::make_unique<ScriptedPlatform>();
    seam = scripted.get();
    usePlatform(std::move(scripted));
  }

  QString path(const QString& name) const { return folder.filePath(name); }

  // A picture with a gradient, so that JPEG qualities give different sizes.
  static QImage relief(QSize size) {
    QImage picture(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        picture.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return picture;
  }

  QTemporaryDir folder;
  ScriptedPlatform* seam = nullptr;
};
