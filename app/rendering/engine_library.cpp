#include "rendering/engine_library.h"

#include <QThread>
#include <algorithm>

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

Failure refusal() {
  return Failure(errorNumber::OutOfMemory,
                 QStringLiteral("The relief engine has not enough memory for the render"));
}

}  // namespace

EngineEntryPoints::EngineEntryPoints(const EngineObjectFunctions& functions, int threads)
    : functions_(functions), object_(functions.create(threads)) {
  if (object_ == nullptr) throw refusal();
}

EngineEntryPoints::~EngineEntryPoints() {
  onStop_.reset();  // waits for a stop being asked on another thread
  functions_.free(object_);
}

void EngineEntryPoints::setPreview(bool on) const { functions_.preview(object_, on ? 1 : 0); }

void EngineEntryPoints::setUnderlay(int32_t underlay) const {
  if (functions_.underlay(object_, underlay) != ENGINE_DONE) throw refusal();
}

void EngineEntryPoints::keepUnderlays(int32_t layerSlot, int32_t count) const {
  if (functions_.keepUnderlays(object_, layerSlot, count) != ENGINE_DONE) throw refusal();
}

void EngineEntryPoints::destruction() const { functions_.destruction(object_); }

void EngineEntryPoints::texture(const uint8_t* tile, int32_t rowOffset, int32_t columnOffset,
                                int32_t stride, int32_t rows) const {
  functions_.texture(object_, tile, rowOffset, columnOffset, stride, rows);
}

void EngineEntryPoints::frontiere(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows,
                                  int32_t keyRed, int32_t keyGreen, int32_t keyBlue, int32_t redMin,
                                  int32_t redMax, int32_t greenMin, int32_t greenMax,
                                  int32_t blueMin, int32_t blueMax) const {
  functions_.frontiere(object_, picture, mask, stride, rows, keyRed, keyGreen, keyBlue, redMin,
                       redMax, greenMin, greenMax, blueMin, blueMax);
}

void EngineEntryPoints::StopRender::operator()() const noexcept {
  engine->functions_.stop(engine->object_);
}

void EngineEntryPoints::stopOn(std::stop_token request) const {
  onStop_.reset();
  stopRequest_ = std::move(request);
  if (stopRequest_.stop_possible()) onStop_.emplace(stopRequest_, StopRender{this});
}

StoppableRenders::StoppableRenders(const EngineEntryPoints& engine, std::stop_token request)
    : engine_(engine) {
  engine_.stopOn(std::move(request));
}

StoppableRenders::~StoppableRenders() { engine_.stopOn({}); }

void callAction(const EngineEntryPoints& engine, const velloro::ActionArguments& a) {
  using velloro::toInt;
  if (engine.stopAsked()) throw RenderStopped{};
  const int32_t result = engine.functions_.action(
      engine.object_, a.density, a.mask, a.source, a.output, a.maskStride, a.maskRows,
      a.outputStride, a.outputRows, a.columnOffset, a.rowOffset, a.smoothingSize,
      toInt(a.surfacePattern), toInt(a.curveAxis), toInt(a.material), toInt(a.deformationType),
      toInt(a.effectType), a.deformationAmount, a.effectAmount, a.effectValue1, a.effectValue2,
      a.effectValue3, a.fillRed, a.fillGreen, a.fillBlue, a.layerSlot, a.knotX[0], a.knotX[1],
      a.knotX[2], a.knotX[3], a.knotX[4], a.knotX[5], a.knotY[0], a.knotY[1], a.knotY[2],
      a.knotY[3], a.knotY[4], a.knotY[5]);
  if (result == ENGINE_STOPPED || engine.stopAsked()) throw RenderStopped{};
  if (result != ENGINE_DONE) throw refusal();
}

EngineLibrary::EngineLibrary(QString libraryPath) : library_(std::move(libraryPath)) {}

const EngineEntryPoints& EngineLibrary::entryPoints() {
  if (!own_) own_ = newObject(QThread::idealThreadCount());
  return *own_;
}

std::unique_ptr<EngineEntryPoints> EngineLibrary::newObject(int threads) {
  return std::make_unique<EngineEntryPoints>(functions(), std::max(threads, 1));
}

const EngineObjectFunctions& EngineLibrary::functions() {
  if (functions_) return *functions_;
  if (!library_.load())
    throw Failure(errorNumber::LibraryNotLoaded,
                  QStringLiteral("The relief engine cannot be loaded: ") + library_.errorString());
  EngineObjectFunctions f;
  f.create = resolved<decltype(f.create)>(library_, "ENGINE_NEW");
  f.free = resolved<decltype(f.free)>(library_, "ENGINE_FREE");
  f.action = resolved<decltype(f.action)>(library_, "ENGINE_ACTION");
  f.destruction = resolved<decltype(f.destruction)>(library_, "ENGINE_DESTRUCTION");
  f.texture = resolved<decltype(f.texture)>(library_, "ENGINE_TEXTURE");
  f.frontiere = resolved<decltype(f.frontiere)>(library_, "ENGINE_FRONTIERE");
  f.preview = resolved<decltype(f.preview)>(library_, "ENGINE_PREVIEW");
  f.underlay = resolved<decltype(f.underlay)>(library_, "ENGINE_UNDERLAY");
  f.keepUnderlays = resolved<decltype(f.keepUnderlays)>(library_, "ENGINE_KEEP_UNDERLAYS");
  f.stop = resolved<decltype(f.stop)>(library_, "ENGINE_STOP");
  functions_ = f;
  return *functions_;
}
