#include "headless/windowless_run.h"
#include "service/service_command.h"
#include "service_entry.h"

extern "C" int runVelloroService(int* argc, char** argv, const QStringList* arguments) {
  return runWithoutWindow(*argc, argv, [arguments](const RenderEnvironment& environment) {
    return runServiceCommand(*arguments, environment);
  });
}
