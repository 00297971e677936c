#include <QApplication>
#include <QIcon>

#include "desktop/qt_platform.h"
#include "main_window/canvas_viewport.h"
#include "main_window/main_window.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "platform/termination_signals.h"
#include "window_entry.h"

extern "C" int runVelloroWindow(int* argc, char** argv, const QStringList* handedFiles) {
  // Whole scale factors only: the canvas then shows each picture pixel as a
  // square block of screen pixels, and the fixed layouts grow as wholes.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication application(*argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Velloro"));
  QCoreApplication::setApplicationName(QStringLiteral("Velloro"));
  // The desktop matches the windows to the launcher and its icon by this.
  QGuiApplication::setDesktopFileName(QStringLiteral("velloro"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velloro")));
  auto seam = std::make_unique<QtPlatform>();
  QtPlatform& qtPlatform = *seam;
  usePlatform(std::move(seam));
  // Signals are taken from before the window opens what it was handed: a
  // message about a file waits in a loop of its own, which exit() leaves too.
  MainWindow* shown = nullptr;
  bool ended = false;
  TerminationSignals endingSignals([&shown, &ended] {
    ended = true;
    if (shown) shown->endRun();
    QCoreApplication::exit(0);
  });
  std::unique_ptr<MainWindow> window = startVelloro(
      programFolder(), qtPlatform,
      [&qtPlatform, &shown](MainWindow& made) {
        qtPlatform.setOwner(&made);
        shown = &made;
      },
      *handedFiles);
  if (ended) return 0;
  // Installation checks set VELLORO_DRAW_TO: the program draws the default
  // text, saves the canvas there and ends, so a headless run proves a render.
  const QString drawTo = qEnvironmentVariable("VELLORO_DRAW_TO");
  if (!drawTo.isEmpty()) {
    window->draw();
    const bool saved = window->canvasView()->picture().save(drawTo, "BMP");
    window->endRun();
    return saved ? 0 : 1;
  }
  return application.exec();
}
