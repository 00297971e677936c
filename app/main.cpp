// Velloro: designs relief titles and logos on a canvas.
#include <QApplication>

#include "main_window/frm_main.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "platform/qt_platform.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Velloro"));
  QApplication::setApplicationName(QStringLiteral("Velloro"));
  auto seam = std::make_unique<QtPlatform>();
  QtPlatform& qtPlatform = *seam;
  usePlatform(std::move(seam));
  std::unique_ptr<FrmMain> window = startVelloro(programFolder(), qtPlatform);
  qtPlatform.setOwner(window.get());
  return application.exec();
}
