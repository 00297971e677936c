#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/run_folder.h"
#include "state/design_state.h"

void MainWindowTest::SetUp() {
  // Each test has a temporary folder, and so a run folder, of its own.
  savedTemporaryFolder = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(folder.path()));
  removeRunFolder();
  auto scripted = std::make_unique<ScriptedPlatform>();
  seam = scripted.get();
  usePlatform(std::move(scripted));
  design() = DesignState{};
  QDir().mkpath(folder.filePath(QStringLiteral("curves")));
  for (const char* curve : {"default.txt", "steel.txt", "gold.txt"})
    QFile::copy(QStringLiteral(SHIPPED_CURVES "/") + QLatin1String(curve),
                folder.filePath(QStringLiteral("curves/")) + QLatin1String(curve));
  createStartupWorkingFiles(design().workingFiles);
  design().currentPictureName = folder.filePath(QStringLiteral("inputs/MyPic.bmp"));
  window = std::make_unique<MainWindow>(folder.path());
  window->useEngine(engine);
  window->resize(556, 433);
  window->fillFontList();
  window->fillSizeList();
  window->captureCanvas();
  window->show();
  // A user's first press comes after the window has handled its show
  // events, which settle how text is antialiased in the printed mask.
  QCoreApplication::processEvents();
}

void MainWindowTest::TearDown() {
  window.reset();
  deleteWorkingFiles(design().workingFiles);
  design().undo.deleteUndoFiles();
  removeRunFolder();
  qputenv("TMPDIR", savedTemporaryFolder);
}

void MainWindowTest::pressCanvas(QPoint at, Qt::MouseButton button) {
  window->canvasPressed(button, button, at);
}

void MainWindowTest::moveCanvas(QPoint at, Qt::MouseButtons buttons) {
  window->canvasMoved(buttons, at);
}

void MainWindowTest::releaseCanvas(QPoint at, Qt::MouseButton button) {
  window->canvasReleased(button, Qt::NoButton, at);
}

void MainWindowTest::useCanvas(QSize size) {
  QImage canvas(size, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  window->canvasView()->setPicture(canvas);
  window->captureCanvas();
}
