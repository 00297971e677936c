#include "main_window/startup.h"

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/text_picture.h"
#include "desktop/colour_scheme.h"
#include "files/run_folder.h"
#include "main_window/main_window.h"
#include "platform/first_run_help.h"
#include "platform/imaging.h"
#include "platform/platform.h"

namespace {

template <typename Step>
void skipOnFailure(Step&& step) {
  try {
    step();
  } catch (...) {
  }
}

void readScreenMetrics(DesignState& state) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  applyScreenMetrics(state, screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

}  // namespace

std::unique_ptr<MainWindow> startVelloro(const QString& programFolder, Platform& platform,
                                         const std::function<void(MainWindow&)>& windowMade,
                                         const QStringList& handedFiles) {
  DesignState document;
  skipOnFailure([] { followDesktopColourScheme(); });
  skipOnFailure([&] { readScreenMetrics(document); });
  skipOnFailure([&] { document.textPicture.setDotsPerInch(1440.0 / document.layoutUnitX); });
  auto window = std::make_unique<MainWindow>(programFolder, std::move(document));
  DesignState& state = window->document();
  if (windowMade) windowMade(*window);
  window->load();
  skipOnFailure([&] {
    window->fillFontList();
    window->fillSizeList();
  });
  skipOnFailure([&] {
    window->panels()->effectList()->setCurrentRow(velloro::toInt(panelEffect(state.model.style())));
  });
  skipOnFailure([] { removeFoldersOfEndedRuns(QDir::tempPath()); });
  skipOnFailure([&] { createStartupWorkingFiles(state.workingFiles); });
  skipOnFailure([&] { window->canvasArea().captureCanvas(); });
  window->show();
  skipOnFailure([&] { window->designPanels().drawFillPreview(); });
  skipOnFailure([&] {
    CurvePoints curve = curvePoints(state.model.style());
    if (loadCurve(curve, QStringLiteral("default.txt"), programFolder + QStringLiteral("/curves"),
                  platform))
      setCurve(state.model, curve);
    window->designPanels().drawCurveBox();
  });
  skipOnFailure([] { initializeImaging(); });
  window->openHandedFiles(handedFiles);
  skipOnFailure([&] { showFirstRunHelpOnce(platform, programFolder); });
  return window;
}
