// Velloro: designs relief titles and logos on a canvas; with --render it
// renders titles from the command line without any window.
#include <QApplication>

#include "headless/render_command.h"
#include "headless/render_run.h"
#include "main_window/frm_main.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "platform/qt_platform.h"

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
  const QString engine = QCoreApplication::applicationDirPath() + QStringLiteral("/libVelloro.so");
  return runRenderCommand(arguments, {programFolder(), engine});
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = argumentsAfterProgramName(argc, argv);
  if (wantsCommandLine(arguments)) return renderFromCommandLine(argc, argv, arguments);
  QApplication application(argc, argv);
  nameApplication();
  auto seam = std::make_unique<QtPlatform>();
  QtPlatform& qtPlatform = *seam;
  usePlatform(std::move(seam));
  std::unique_ptr<FrmMain> window = startVelloro(programFolder(), qtPlatform);
  qtPlatform.setOwner(window.get());
  return application.exec();
}
