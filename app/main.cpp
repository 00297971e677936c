// Velloro: designs relief titles and logos on a canvas; with --render it
// renders titles from the command line without any window.
#include <QApplication>
#include <QIcon>

#include "headless/render_command.h"
#include "headless/render_run.h"
#include "main_window/canvas_viewport.h"
#include "main_window/frm_main.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "platform/qt_platform.h"
#include "platform/termination_signals.h"

namespace {

QStringList argumentsAfterProgramName(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void nameApplication() {
  QCoreApplication::setOrganizationName(QStringLiteral("Velloro"));
  QCoreApplication::setApplicationName(QStringLiteral("Velloro"));
}

int renderFromCommandLine(int argc, char** argv, const QStringList& arguments) {
  prepareHeadlessRun();
  QGuiApplication application(argc, argv);
  nameApplication();
  const QString engine = programLayout(QCoreApplication::applicationDirPath()).engineLibrary;
  return runRenderCommand(arguments, {programFolder(), engine});
}

}  // namespace

int main(int argc, char** argv) {
  // Whole scale factors only: the canvas then shows each picture pixel as a
  // square block of screen pixels, and the fixed layouts grow as wholes.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  const QStringList arguments = argumentsAfterProgramName(argc, argv);
  if (wantsCommandLine(arguments)) return renderFromCommandLine(argc, argv, arguments);
  QApplication application(argc, argv);
  nameApplication();
  // The desktop matches the windows to the launcher and its icon by this.
  QGuiApplication::setDesktopFileName(QStringLiteral("velloro"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velloro")));
  auto seam = std::make_unique<QtPlatform>();
  QtPlatform& qtPlatform = *seam;
  usePlatform(std::move(seam));
  std::unique_ptr<FrmMain> window = startVelloro(
      programFolder(), qtPlatform, [&qtPlatform](FrmMain& made) { qtPlatform.setOwner(&made); });
  // Installation checks set VELLORO_DRAW_TO: the program draws the default
  // text, saves the canvas there and ends, so a headless run proves a render.
  const QString drawTo = qEnvironmentVariable("VELLORO_DRAW_TO");
  if (!drawTo.isEmpty()) {
    window->draw();
    const bool saved = window->canvasView()->picture().save(drawTo, "BMP");
    window->endRun();
    return saved ? 0 : 1;
  }
  TerminationSignals endingSignals([&window] { window->endRun(); });
  return application.exec();
}
