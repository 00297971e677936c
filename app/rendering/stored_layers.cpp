#include "rendering/stored_layers.h"

#include <array>
#include <cstdint>

#include "files/bmp_file.h"
#include "rendering/engine_library.h"
#include "rendering/layer_space.h"
#include "rendering/transparent_design.h"

namespace {

// A render into a slot number the engine does not keep stores nothing, and a
// mask without any element shades nothing: what is left of the render is the
// compositing of the stored slots over the source picture.
constexpr int32_t noLayerSlot = 0;
constexpr int32_t blankMaskWidth = 4;
constexpr int32_t blankMaskRows = 4;
constexpr int32_t blankMaskStride = 3 * blankMaskWidth;

// The stored layers painted over `background`, a picture of `size` in the
// buffer layout, in the same layout. The engine first copies the background
// into the output, so the output is not filled beforehand.
QByteArray paintedOver(const QByteArray& background, QSize size, const EngineEntryPoints& engine) {
  QByteArray output(background.size(), Qt::Uninitialized);
  std::array<uint8_t, blankMaskStride*(blankMaskRows + 1)> blankMask;
  blankMask.fill(255);
  velloro::ActionArguments arguments;
  arguments.mask = blankMask.data();
  arguments.source = reinterpret_cast<const uint8_t*>(background.constData());
  arguments.output = reinterpret_cast<uint8_t*>(output.data());
  arguments.maskStride = blankMaskStride;
  arguments.maskRows = blankMaskRows;
  arguments.outputStride = strideOf(size.width());
  arguments.outputRows = size.height();
  arguments.smoothingSize = 75;
  arguments.layerSlot = noLayerSlot;
  arguments.knotX = {0, 50, 100, 150, 200, 255};
  arguments.knotY = {128, 128, 128, 128, 128, 128};
  callAction(engine, arguments);
  engine.destruction();
  return output;
}

}  // namespace

QImage storedLayersOver(const QImage& background, const EngineEntryPoints& engine,
                        QPoint layerOrigin) {
  const PictureBuffer source = pictureBufferOf(embedInLayerSpace(background, layerOrigin));
  const QByteArray output = paintedOver(source.bytes, {source.width, source.rows}, engine);
  return cutFromLayerSpace(imageOfBuffer(output, source.width, source.rows), layerOrigin,
                           background.size());
}

namespace {

QImage filled(QSize size, Qt::GlobalColor colour) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(colour);
  return picture;
}

}  // namespace

QImage designAlone(QSize canvasSize, const EngineEntryPoints& engine, QPoint layerOrigin) {
  return transparentDesign(storedLayersOver(filled(canvasSize, Qt::black), engine, layerOrigin),
                           storedLayersOver(filled(canvasSize, Qt::white), engine, layerOrigin));
}

QRect storedLayersExtent(QSize canvasSize, const EngineEntryPoints& engine, QPoint layerOrigin) {
  // The layers paint each pixel on its own, so a plain picture of the whole
  // layer space shows the canvas's part as the plain canvas laid into it would.
  const QSize space = canvasSize + QSize(layerOrigin.x(), layerOrigin.y());
  return designExtentOfBuffers(
      paintedOver(plainPictureBuffer(space, Qt::black).bytes, space, engine),
      paintedOver(plainPictureBuffer(space, Qt::white).bytes, space, engine), space,
      QRect(layerOrigin, canvasSize));
}

QRect storedLayersExtentOverWhite(const QByteArray& overWhite, QSize size,
                                  const EngineEntryPoints& engine) {
  return designExtentOfBuffers(paintedOver(plainPictureBuffer(size, Qt::black).bytes, size, engine),
                               overWhite, size, QRect(QPoint(), size));
}
