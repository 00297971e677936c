#include "rendering/engine_library.h"

#include "files/failure.h"

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

void callAction(const EngineEntryPoints& engine, const velloro::ActionArguments& a) {
  using velloro::toInt;
  engine.action(a.mask, a.source, a.output, a.maskStride, a.maskRows, a.outputStride, a.outputRows,
                a.columnOffset, a.rowOffset, a.smoothingSize, toInt(a.surfacePattern),
                toInt(a.curveAxis), toInt(a.material), toInt(a.deformationType),
                toInt(a.effectType), a.deformationAmount, a.effectAmount, a.effectValue1,
                a.effectValue2, a.effectValue3, a.fillRed, a.fillGreen, a.fillBlue, a.layerSlot,
                a.knotX[0], a.knotX[1], a.knotX[2], a.knotX[3], a.knotX[4], a.knotX[5], a.knotY[0],
                a.knotY[1], a.knotY[2], a.knotY[3], a.knotY[4], a.knotY[5]);
}

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
