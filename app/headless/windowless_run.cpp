#include "headless/windowless_run.h"

#include <QGuiApplication>

#include "platform/program_folder.h"

using namespace Qt::StringLiterals;

int runWithoutWindow(int& argc, char** argv,
                     const std::function<int(const RenderEnvironment&)>& command) {
  prepareHeadlessRun();
  QGuiApplication application(argc, argv);
  QCoreApplication::setOrganizationName(u"Velloro"_s);
  QCoreApplication::setApplicationName(u"Velloro"_s);
  const QString engine = programLayout(QCoreApplication::applicationDirPath()).engineLibrary;
  return command(RenderEnvironment{programFolder(), engine});
}
