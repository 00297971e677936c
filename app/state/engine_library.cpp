#include "state/engine_library.h"

#include <QCoreApplication>

#include "platform/program_folder.h"
#include "state/failure.h"

namespace {

template <typename Function>
Function resolved(QLibrary& library, const char* name) {
  auto function = reinterpret_cast<Function>(library.resolve(name));
  if (!function)
    throw Failure(errorNumber::EntryPointNotFound,
                  QStringLiteral("The relief engine %1 has no entry point %2")
                      .arg(library.fileName(), QLatin1String(name)));
  return function;
}

}  // namespace

EngineLibrary::EngineLibrary(QString libraryPath) : library_(std::move(libraryPath)) {}

const EngineEntryPoints& EngineLibrary::entryPoints() {
  if (!entryPoints_) load();
  return *entryPoints_;
}

void EngineLibrary::load() {
  if (!library_.load())
    throw Failure(errorNumber::LibraryNotLoaded,
                  QStringLiteral("The relief engine cannot be loaded: ") + library_.errorString());
  EngineEntryPoints points;
  points.action = resolved<decltype(points.action)>(library_, "ACTION");
  points.destruction = resolved<decltype(points.destruction)>(library_, "DESTRUCTION");
  points.texture = resolved<decltype(points.texture)>(library_, "TEXTURE");
  points.frontiere = resolved<decltype(points.frontiere)>(library_, "FRONTIERE");
  entryPoints_ = points;
}

EngineLibrary& engineLibrary() {
  static EngineLibrary engine(programLayout(QCoreApplication::applicationDirPath()).engineLibrary);
  return engine;
}
