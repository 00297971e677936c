// A main window on the offscreen screen with a scripted platform, a fresh
// design state, working files of its own and the real relief engine.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

#include "desktop/scripted_platform.h"
#include "main_window/main_window.h"
#include "state/engine_library.h"

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Mouse work on the canvas, in canvas pixels.
  void pressCanvas(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void moveCanvas(QPoint at, Qt::MouseButtons buttons = Qt::LeftButton);
  void releaseCanvas(QPoint at, Qt::MouseButton button = Qt::LeftButton);

  // Puts a white canvas of this size in place and captures it.
  void useCanvas(QSize size);

  QTemporaryDir folder;
  QByteArray savedTemporaryFolder;
  ScriptedPlatform* seam = nullptr;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  std::unique_ptr<MainWindow> window;
};
