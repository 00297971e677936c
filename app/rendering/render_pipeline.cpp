#include "rendering/render_pipeline.h"

#include <algorithm>

#include "design/design_state.h"
#include "files/bmp_file.h"
#include "files/failure.h"
#include "platform/busy_indicator.h"
#include "platform/platform.h"
#include "rendering/colour_glyph_fill.h"
#include "rendering/effect_layers.h"
#include "rendering/engine_library.h"
#include "rendering/layer_space.h"

namespace {

// Shape and picture masks carry a 32-pixel frame around the design.
constexpr int32_t maskFrame = 32;
constexpr int32_t tileFrameOffset = 30;

// Slider positions are 16-bit values, passed on sign-extended.
int32_t sliderValue(int32_t position) { return int16_t(position); }

void checkCanvasCaptured(const DesignState& state) {
  const PictureGeometry& geometry = state.geometry;
  const qsizetype needed = qsizetype(geometry.canvasStride) * geometry.canvasRows;
  if (geometry.canvasRows <= 0 || state.buffers.background.size() < needed ||
      state.buffers.output.size() < needed)
    throw Failure(errorNumber::InvalidArgument, QStringLiteral("No canvas captured to draw on"));
}

PictureBuffer maskOfSource(const DesignState& state, const PrintedText& text) {
  switch (state.sourceKind) {
    case SourceKind::Shape: return readPictureBuffer(state.workingFiles.shape);
    case SourceKind::Picture: return readPictureBuffer(state.workingFiles.mask);
    default: return pictureBufferOf(text.picture);
  }
}

// The tile is read from row 1 on: the engine reads mask row r from tile row
// r - 1 otherwise. The engine lays each tile pixel over density x density
// pixels, so a denser mask's gradient is handed over at density 1.
void installGradientTile(const DesignState& state, const PictureBuffer& mask, int32_t density,
                         const EngineEntryPoints& engine) {
  const QImage maskPicture = imageOfBuffer(mask.bytes, mask.width, mask.rows);
  QImage gradient = gradientTexture(maskPicture, fillGradient(state.model.style()));
  if (density > 1)
    gradient = gradient.scaled(std::max(gradient.width() / density, 1),
                               std::max(gradient.height() / density, 1), Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
  const PictureBuffer tile = pictureBufferOf(gradient);
  engine.texture(reinterpret_cast<const uint8_t*>(tile.bytes.constData()), 1, 0, tile.stride,
                 tile.rows);
}

void installColourGlyphTile(const DesignState& state, const PrintedText& text,
                            RenderMeasures measures, const PictureBuffer& mask,
                            const EngineEntryPoints& engine) {
  const PictureBuffer tile =
      pictureBufferOf(colourGlyphFill(state, mask, text.colourGlyphs, measures.density));
  engine.texture(reinterpret_cast<const uint8_t*>(tile.bytes.constData()), colourGlyphTileRowOffset,
                 0, tile.stride, tile.rows);
}

void installTextureTile(const DesignState& state, const PrintedText& text, RenderMeasures measures,
                        const PictureBuffer& mask, const EngineEntryPoints& engine) {
  if (state.sourceKind == SourceKind::Text && !text.colourGlyphs.isNull()) {
    installColourGlyphTile(state, text, measures, mask, engine);
    return;
  }
  const TextureTile tile = textureTileFor(state);
  if (state.model.style().fillKind == FillKind::Gradient &&
      tile.source != TileSource::PictureFile) {
    installGradientTile(state, mask, measures.density, engine);
    return;
  }
  if (tile.source == TileSource::PictureFile) {
    const PictureBuffer picture = readPictureBuffer(state.workingFiles.picture);
    engine.texture(reinterpret_cast<const uint8_t*>(picture.bytes.constData()), 0, 0,
                   picture.stride, picture.rows);
    return;
  }
  if (tile.source == TileSource::TextureBuffer) {
    const PictureGeometry& geometry = state.geometry;
    engine.texture(reinterpret_cast<const uint8_t*>(state.buffers.texture.constData()), tile.offset,
                   tile.offset, geometry.textureStride, geometry.textureRows);
    return;
  }
  static const uint8_t noTile[1] = {0};
  engine.texture(noTile, 0, 0, 0, 0);
}

// The engine's source picture: the background, laid into the layer space
// when the canvas was cropped.
PictureBuffer sourceInLayerSpace(const DesignState& state) {
  const PictureGeometry& geometry = state.geometry;
  if (state.layerOrigin.isNull())
    return {state.buffers.background, geometry.canvasWidth, geometry.canvasRows,
            geometry.canvasStride};
  const QImage background =
      imageOfBuffer(state.buffers.background, geometry.canvasWidth, geometry.canvasRows);
  return pictureBufferOf(embedInLayerSpace(background, state.layerOrigin));
}

// Every effect but the top one is laid alone as an underlay of the slot,
// the lowest deepest; the top one, last, lays the element with its effect
// and composites every layer, so the element and its edge are laid once.
void layEffectLayers(const EngineEntryPoints& engine, const velloro::ActionArguments& arguments,
                     const std::vector<EffectLayer>& layers) {
  const auto underlays = int32_t(layers.size()) - 1;
  engine.keepUnderlays(arguments.layerSlot, underlays);
  for (int32_t underlay = underlays; underlay >= 1; --underlay) {
    engine.setUnderlay(underlay);
    callAction(engine, withEffect(arguments, layers[size_t(underlays - underlay)]));
  }
  engine.setUnderlay(0);
  callAction(engine, withEffect(arguments, layers.back()));
}

}  // namespace

velloro::ActionArguments engineArguments(const DesignState& state, RenderMeasures measures,
                                         MaskGeometry mask) {
  const Style& style = state.model.style();
  const bool framedMask = state.sourceKind != SourceKind::Text;
  velloro::ActionArguments a;
  a.maskStride = mask.stride;
  a.maskRows = mask.rows;
  a.outputStride = state.geometry.canvasStride;
  a.outputRows = state.geometry.canvasRows;
  // A denser mask's frame is as many times wider as its pixels.
  const int32_t frame = framedMask ? maskFrame * measures.density : 0;
  a.columnOffset = state.designFrame.left - frame;
  a.rowOffset = state.designFrame.top - frame;
  a.smoothingSize = measures.smoothingSize;
  a.surfacePattern = style.surfacePattern;
  a.curveAxis = style.curveAxis;
  a.material = style.material;
  a.deformationType = style.deformationType;
  a.deformationAmount = sliderValue(style.deformationAmount);
  a.fillRed = style.fillColour.red;
  a.fillGreen = style.fillColour.green;
  a.fillBlue = style.fillColour.blue;
  a.layerSlot = velloro::toInt(state.sourceKind);
  a.density = measures.density;
  std::ranges::copy(style.curvePositions, a.knotX.begin());
  std::ranges::copy(style.curveValues, a.knotY.begin());
  return withEffect(a, effectLayers(style).back());
}

TextureTile textureTileFor(const DesignState& state) {
  const bool textureOption = state.model.style().fillKind == FillKind::Texture;
  if (state.sourceKind == SourceKind::Picture && state.model.style().material == Material::Profile)
    return {TileSource::PictureFile, 0};
  // Without a texture picture loaded there is no tile to lay, whatever the option.
  if (!textureOption || state.geometry.textureStride <= 0 || state.buffers.texture.isEmpty())
    return {};
  return {TileSource::TextureBuffer, state.sourceKind == SourceKind::Text ? 0 : tileFrameOffset};
}

void captureCanvas(DesignState& state, const QImage& canvas) {
  saveBmp(canvas, state.workingFiles.canvas);
  captureCanvasBuffers(state, canvas);
}

void captureCanvasBuffers(DesignState& state, const QImage& canvas) {
  captureCanvasBuffers(state, pictureBufferOf(canvas));
}

void captureCanvasBuffers(DesignState& state, PictureBuffer pixels) {
  PictureGeometry& geometry = state.geometry;
  geometry.canvasRows = pixels.rows;
  geometry.canvasWidth = pixels.width;
  geometry.canvasStride = pixels.stride;
  DesignFrame& frame = state.designFrame;
  if (frame.top > geometry.canvasRows - 50) frame.top = geometry.canvasRows - 50;
  if (frame.left > geometry.canvasWidth - 50) frame.left = geometry.canvasWidth - 50;
  state.buffers.background = pixels.bytes;
  state.buffers.output = std::move(pixels.bytes);
}

void loadTexture(DesignState& state, const QImage& texture) {
  PictureBuffer tile = pictureBufferOf(texture);
  state.geometry.textureRows = tile.rows;
  state.geometry.textureStride = tile.stride;
  state.buffers.texture = std::move(tile.bytes);
}

bool sourceReady(const DesignState& state, Platform& platform) {
  const SourceKind kind = state.sourceKind;
  if (kind == SourceKind::Text || state.kindSettings[kind].available) return true;
  platform.showMessage({kind == SourceKind::Shape ? QStringLiteral("No shape drawn !")
                                                  : QStringLiteral("No picture loaded !")});
  return false;
}

void renderIntoBuffers(DesignState& state, const PrintedText& text, RenderMeasures measures,
                       const EngineEntryPoints& engine, BusyIndicator& busy) {
  checkCanvasCaptured(state);
  PictureBuffer mask = maskOfSource(state, text);
  velloro::ActionArguments arguments = engineArguments(state, measures, {mask.stride, mask.rows});
  BusyPointer busyPointer(busy);
  installTextureTile(state, text, measures, mask, engine);
  arguments.mask = reinterpret_cast<uint8_t*>(mask.bytes.data());
  const PictureBuffer source = sourceInLayerSpace(state);
  // The engine copies the source into the output before it paints, so the
  // last render's buffer serves again unless another holds it too: a drag
  // renders many times a second, and fresh pages cost more than the copy.
  QByteArray& output = state.buffers.output;
  if (output.size() != source.bytes.size() || !output.isDetached())
    output = QByteArray(source.bytes.size(), Qt::Uninitialized);
  arguments.source = reinterpret_cast<const uint8_t*>(source.bytes.constData());
  arguments.output = reinterpret_cast<uint8_t*>(state.buffers.output.data());
  arguments.outputStride = source.stride;
  arguments.outputRows = source.rows;
  arguments.columnOffset += state.layerOrigin.x();
  arguments.rowOffset += state.layerOrigin.y();
  layEffectLayers(engine, arguments, effectLayers(state.model.style()));
  engine.destruction();
  state.layersStored = true;
}

QImage renderDesign(DesignState& state, const PrintedText& text, RenderMeasures measures,
                    const EngineEntryPoints& engine, BusyIndicator& busy) {
  renderIntoBuffers(state, text, measures, engine, busy);
  return renderedCanvas(state);
}

QImage renderedCanvas(const DesignState& state) {
  const QSize canvas(state.geometry.canvasWidth, state.geometry.canvasRows);
  const QPoint origin = state.layerOrigin;
  return cutFromLayerSpace(imageOfBuffer(state.buffers.output, origin.x() + canvas.width(),
                                         origin.y() + canvas.height()),
                           origin, canvas);
}
