#include "headless/title_renderer.h"

#include <QTemporaryDir>

#include "headless/scaled_scene.h"
#include "state/engine_library.h"
#include "state/failure.h"
#include "state/stored_layers.h"
#include "state/style_design.h"
#include "state/transparent_design.h"
#include "state/visible_extent.h"

TitleRenderer::TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine,
                             Platform& platform)
    : engine_(engine), platform_(platform), scale_(scene.scale) {
  applyScreenMetrics(state_, scene.dotsPerInch, scene.dotsPerInch);
  textPicture_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  unscaledText_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  putStyle(scene.style, state_, readings_);
  putStyleFont(scene.style.font, textPicture_.font);
  putStyleFont(scene.style.font, unscaledText_.font);
  unscaledText_.font.setPointSizeF(scene.style.font.pointSize / scale_);
  readings_.smoothingSize = textPicture_.roundedFontSize();
  if (!scene.texture.isNull()) loadTexture(state_, scene.texture);
  captureOnce(scene.canvas);
  if (scene.designPosition) {
    state_.designFrame.left = scene.designPosition->x();
    state_.designFrame.top = scene.designPosition->y();
  }
}

// The capture keeps a copy of the canvas as a file for the undo store; a
// render without a window has no undo, so the copy lives only for the
// capture.
void TitleRenderer::captureOnce(const QImage& canvas) {
  QTemporaryDir scratch;
  if (!scratch.isValid())
    throw Failure(errorNumber::PathFileAccessError,
                  QStringLiteral("No temporary folder: ") + scratch.errorString());
  state_.workingFiles.canvas = scratch.filePath(QStringLiteral("canvas.bmp"));
  captureCanvas(state_, canvas);
  state_.workingFiles.canvas.clear();
}

QImage TitleRenderer::render(const QString& text) {
  textPicture_.print(text);
  return renderDesign(state_, textPicture_.picture, readingsFor(text), engine_, platform_);
}

// The engine gives an effect a share of the room around the title, up to a
// fixed limit; a denser title keeps its effect's reach in proportion only
// with the share worked out anew from the room of both titles.
PanelReadings TitleRenderer::readingsFor(const QString& text) {
  if (scale_ == 1) return readings_;
  unscaledText_.print(text);
  const int room = roomAroundDesign(unscaledText_.picture);
  const int scaledRoom = roomAroundDesign(textPicture_.picture);
  PanelReadings readings = readings_;
  for (int32_t* amount : {&readings.engravedSlider, &readings.outlineSlider})
    *amount = scaledEffectAmount(*amount, state_.effectType, room, scaledRoom, scale_);
  return readings;
}

// The title is the only stored layer of a run, so the stored layers painted
// over black and over white are the title alone.
QImage TitleRenderer::renderAlone(const QString& text, std::optional<int> trimMargin) {
  const QSize canvasSize = render(text).size();
  const QImage design = designAlone(canvasSize, engine_);
  if (!trimMargin) return design.convertToFormat(QImage::Format_ARGB32);
  trimMargin = *trimMargin * scale_;
  if (!anythingVisible(design))
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("--trim: the title leaves no visible pixel to cut out"));
  return trimmedToVisible(design, *trimMargin);
}
