#include "headless/title_renderer.h"

#include <QTemporaryDir>

#include "state/engine_library.h"
#include "state/failure.h"
#include "state/stored_layers.h"
#include "state/style_design.h"
#include "state/transparent_design.h"
#include "state/visible_extent.h"

TitleRenderer::TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine,
                             Platform& platform)
    : engine_(engine), platform_(platform) {
  applyScreenMetrics(state_, scene.dotsPerInch, scene.dotsPerInch);
  textPicture_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  putStyle(scene.style, state_, readings_);
  putStyleFont(scene.style.font, textPicture_.font);
  textPicture_.arrangement = styleArrangement(scene.style.font);
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
  return renderDesign(state_, textPicture_.picture, readings_, engine_, platform_);
}

// The title is the only stored layer of a run, so the stored layers painted
// over black and over white are the title alone.
QImage TitleRenderer::renderAlone(const QString& text, std::optional<int> trimMargin) {
  const QSize canvasSize = render(text).size();
  const QImage design = designAlone(canvasSize, engine_);
  if (!trimMargin) return design.convertToFormat(QImage::Format_ARGB32);
  if (!anythingVisible(design))
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("--trim: the title leaves no visible pixel to cut out"));
  return trimmedToVisible(design, *trimMargin);
}
