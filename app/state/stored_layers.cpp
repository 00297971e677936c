#include "state/stored_layers.h"

#include <array>
#include <cstdint>

#include "state/bmp_file.h"
#include "state/engine_library.h"
#include "state/layer_space.h"
#include "state/transparent_design.h"

namespace {

// A render into a slot number the engine does not keep stores nothing, and a
// mask without any element shades nothing: what is left of the render is the
// compositing of the stored slots over the source picture.
constexpr int32_t noLayerSlot = 0;
constexpr int32_t blankMaskWidth = 4;
constexpr int32_t blankMaskRows = 4;
constexpr int32_t blankMaskStride = 3 * blankMaskWidth;

}  // namespace

QImage storedLayersOver(const QImage& background, const EngineEntryPoints& engine,
                        QPoint layerOrigin) {
  PictureBuffer source = pictureBufferOf(embedInLayerSpace(background, layerOrigin));
  QByteArray output = source.bytes;
  std::array<uint8_t, blankMaskStride*(blankMaskRows + 1)> blankMask;
  blankMask.fill(255);
  velloro::ActionArguments arguments;
  arguments.mask = blankMask.data();
  arguments.source = reinterpret_cast<const uint8_t*>(source.bytes.constData());
  arguments.output = reinterpret_cast<uint8_t*>(output.data());
  arguments.maskStride = blankMaskStride;
  arguments.maskRows = blankMaskRows;
  arguments.outputStride = source.stride;
  arguments.outputRows = source.rows;
  arguments.smoothingSize = 75;
  arguments.layerSlot = noLayerSlot;
  arguments.knotX = {0, 50, 100, 150, 200, 255};
  arguments.knotY = {128, 128, 128, 128, 128, 128};
  callAction(engine, arguments);
  engine.destruction();
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
  return designExtent(storedLayersOver(filled(canvasSize, Qt::black), engine, layerOrigin),
                      storedLayersOver(filled(canvasSize, Qt::white), engine, layerOrigin));
}
