#include "headless/title_renderer.h"

#include <QPainter>
#include <QSet>
#include <algorithm>

#include "design/missing_glyphs.h"
#include "design/style_design.h"
#include "files/failure.h"
#include "headless/canvas_limit.h"
#include "headless/scaled_scene.h"
#include "rendering/effect_layers.h"
#include "rendering/engine_library.h"
#include "rendering/stored_layers.h"
#include "rendering/transparent_design.h"
#include "rendering/visible_extent.h"

using namespace Qt::StringLiterals;

namespace {

// Room around the mask on the first probe. An upright design without a
// shadow stays inside its mask, as the engine keeps an outer effect within
// the room the mask leaves around the letters: a pixel of room tells
// whether it does. Otherwise a quarter of the mask's longer side holds
// every drop shadow; rotations and cast shadows reach further. The probe is
// drawn again with twice the room while the design touches its edge.
constexpr int uprightProbeRoom = 2;
constexpr int leastProbeRoom = 64;
// A probe side grows no further than this beyond what the mask needs.
constexpr int largestProbeSide = 8192;
// Effects that reach past the letters by more than the room left after
// this many fittings leave the design cut at the box.
constexpr int fittingAttempts = 8;

int roomFor(int maskSide, int wanted) {
  return std::min(wanted, std::max(leastProbeRoom, (largestProbeSide - maskSide) / 2));
}

bool staysInMask(const Style& style) {
  return style.deformationType == DeformationType::None && !anyCastsShadow(effectLayers(style));
}

bool touchesEdge(QRect extent, QSize size) {
  return extent.left() <= 0 || extent.top() <= 0 || extent.right() >= size.width() - 1 ||
         extent.bottom() >= size.height() - 1;
}

// The engine draws where the mask is darker than half.
bool masksAnything(const QImage& mask) {
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    for (int x = 0; x < mask.width(); ++x)
      if (row[3 * x] < 128) return true;
  }
  return false;
}

}  // namespace

TitleRenderer::TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine,
                             BusyIndicator& busy)
    : fixedCanvas_(scaledPicture(scene.canvas, scene.scale)),
      fitColour_(scene.fitColour),
      fitMargin_(scene.fitMargin),
      engine_(engine),
      busy_(busy),
      scale_(scene.scale),
      styleSize_(scene.style.font.pointSize),
      box_(scene.box),
      largestLineCount_(scene.largestLineCount) {
  if (scale_ > 1) {
    TitleScene designScale = scene;
    designScale.scale = 1;
    designScale_ = std::make_unique<TitleRenderer>(designScale, engine, busy);
  }
  applyScreenMetrics(state_, scene.dotsPerInch, scene.dotsPerInch);
  textPicture_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  applyStyle(scene.style, state_);
  putStyleFont(scene.style.font, textPicture_.font);
  textPicture_.arrangement = styleArrangement(scene.style.font);
  measures_.density = scale_;
  setPointSize(styleSize_);
  textPicture_.arrangement.letterSpacing *= scale_;
  // The engine lays the texture's pixels at the density.
  if (!scene.texture.isNull()) loadTexture(state_, scene.texture);
  // The capture keeps Draw's place on the canvas: the design frame held
  // inside it, unless the place is given.
  if (!fixedCanvas_.isNull()) {
    fixedCanvasBuffer_ = pictureBufferOf(fixedCanvas_);
    captureCanvasBuffers(state_, fixedCanvasBuffer_);
  }
  placed_ =
      designScale_
          ? designScale_->placed_ * scale_
          : scene.designPosition.value_or(QPoint(state_.designFrame.left, state_.designFrame.top));
}

// The engine smooths the outline for the design's own font size and
// draws every measure of its own at the density.
void TitleRenderer::setPointSize(double points) {
  textPicture_.font.setPointSizeF(points);
  measures_.smoothingSize = textPicture_.roundedFontSize();
  textPicture_.font.setPointSizeF(points * scale_);
}

// The letters are fitted to the box first; what the effects then add past
// it is taken off the room for the letters, and they are fitted again.
TitleFit TitleRenderer::fitToBox(const QString& text) {
  if (designScale_) {
    const TitleFit fit = designScale_->fitToBox(text);
    setPointSize(fit.pointSize);
    return fit;
  }
  setPointSize(styleSize_);
  if (!box_) return {text, styleSize_, false};
  QSizeF room(*box_);
  for (int attempt = 0;; ++attempt) {
    setPointSize(styleSize_);
    TitleFit fit = fitTitle(textPicture_, text, room, largestLineCount_);
    setPointSize(fit.pointSize);
    printTitle(fit.text);
    const QSize over = probe().extent.size() - *box_;
    if (over.width() <= 0 && over.height() <= 0) return fit;
    if (attempt == fittingAttempts) {
      fit.cut = true;
      return fit;
    }
    // The room shrinks below the letters just fitted, so the next fit differs.
    const QSizeF block = textPicture_.textSize(fit.text);
    if (over.width() > 0) room.setWidth(std::min(room.width(), block.width()) - over.width());
    if (over.height() > 0) room.setHeight(std::min(room.height(), block.height()) - over.height());
    room = room.expandedTo({1, 1});
  }
}

void TitleRenderer::printMask(const QString& text) {
  textPicture_.print(text);
  if (!designScale_) {
    mask_ = textPicture_.picture;
    return;
  }
  designScale_->printMask(text);
  const QSize size = designScale_->mask_.size() * scale_;
  if (textPicture_.picture.size() == size) {
    mask_ = textPicture_.picture;
    return;
  }
  // The denser font's rounding leaves its picture a pixel or two off.
  mask_ = QImage(size, textPicture_.picture.format());
  mask_.fill(Qt::white);
  QPainter(&mask_).drawImage(0, 0, textPicture_.picture);
}

TitleRenderer::Probe TitleRenderer::probe() {
  const QSize mask = mask_.size();
  int room = staysInMask(state_.model.style())
                 ? uprightProbeRoom
                 : std::max(leastProbeRoom, std::max(mask.width(), mask.height()) / 4);
  for (;;) {
    const QPoint at(roomFor(mask.width(), room), roomFor(mask.height(), room));
    const QSize size = mask + QSize(2 * at.x(), 2 * at.y());
    captureCanvasBuffers(state_, plainPictureBuffer(size, fitColour_));
    state_.designFrame.left = at.x();
    state_.designFrame.top = at.y();
    renderIntoBuffers(state_, printedText(), measures_, engine_, busy_);
    Probe probe{size, at, probeExtent(size)};
    if (probe.extent.isNull()) probe.extent = QRect(at, mask);
    const bool atLargest = at.x() < room || at.y() < room;
    if (atLargest || !touchesEdge(probe.extent, size)) return probe;
    room *= 2;
  }
}

// On a white probe the render itself was the painting over white.
QRect TitleRenderer::probeExtent(QSize size) const {
  if (fitColour_.rgb() == QColor(Qt::white).rgb())
    return storedLayersExtentOverWhite(state_.buffers.output, size, engine_);
  return storedLayersExtent(size, engine_);
}

QRect TitleRenderer::fittedArea(const Probe& probe) const {
  return probe.extent.adjusted(-fitMargin_, -fitMargin_, fitMargin_, fitMargin_);
}

// Past the probe's edges the margin shows the plain fit colour, as the
// probe does everywhere outside the design.
QImage TitleRenderer::fittedPicture(const Probe& probe, QRect area) const {
  const QRect drawn = area & QRect(QPoint(), probe.size);
  const QImage part =
      imageOfBufferPart(state_.buffers.output, probe.size.width(), probe.size.height(), drawn);
  if (drawn == area) return part;
  QImage picture(area.size(), QImage::Format_RGB888);
  picture.fill(fitColour_);
  QPainter(&picture).drawImage(drawn.topLeft() - area.topLeft(), part);
  return picture;
}

QRect TitleRenderer::canvasOn(const Probe& probe) const {
  return fixedCanvas_.rect().translated(probe.at - placed_);
}

QRect TitleRenderer::aloneArea(const Probe& probe) const {
  return fixedCanvas_.isNull() ? fittedArea(probe) : canvasOn(probe) | probe.extent;
}

QRect TitleRenderer::denserArea(QRect area, const Probe& small, const Probe& dense) const {
  return {(area.topLeft() - small.at) * scale_ + dense.at, area.size() * scale_};
}

// The frame of the title at scale 1 is measured first: the engine keeps one
// layer of the title, and the denser render replaces it.
RenderedTitle TitleRenderer::renderDenserFitted() {
  const Probe small = designScale_->probe();
  const QRect smallArea = designScale_->fittedArea(small);
  const Probe measured = probe();
  return {fittedPicture(measured, denserArea(smallArea, small, measured)),
          overrunOf(smallArea, small.extent)};
}

QImage TitleRenderer::renderDenserAlone(std::optional<int> trimMargin) {
  const Probe small = designScale_->probe();
  QRect kept = designScale_->aloneArea(small);
  if (trimMargin) {
    const QRect visible = visibleExtent(designAlone(small.size, engine_).copy(kept));
    if (visible.isNull())
      throw Failure(errorNumber::InvalidArgument,
                    QStringLiteral("--trim: the title leaves no visible pixel to cut out"));
    const int margin = std::max(*trimMargin, 0);
    kept = visible.translated(kept.topLeft()).adjusted(-margin, -margin, margin, margin);
  }
  checkAloneSize(kept.size() * scale_);
  const Probe measured = probe();
  return designAlone(measured.size, engine_).copy(denserArea(kept, small, measured));
}

// Letters too small for a pixel, or blank in the font, would come out as
// the bare canvas, reported as a title.
void TitleRenderer::printTitle(const QString& text) {
  if (lettersFoldBack(text))
    throw Failure(errorNumber::InvalidArgument,
                  u"--letter-spacing: %1 pixels draws the letters over one another"_s.arg(
                      textPicture_.arrangement.letterSpacing / scale_));
  printMask(text);
  if (!masksAnything(textPicture_.picture))
    throw Failure(errorNumber::InvalidArgument,
                  u"the title draws no pixel: its letters are too small or blank in the font"_s);
}

// Spacing that closes the letters up by more than a letter's width sets
// them back over the ones before: a line narrower than its widest letter.
bool TitleRenderer::lettersFoldBack(const QString& text) const {
  if (textPicture_.arrangement.letterSpacing >= 0) return false;
  for (const QString& line : titleLines(text)) {
    const QList<uint> letters = line.toUcs4();
    if (letters.size() < 2) continue;
    double widest = 0;
    for (const char32_t letter : QSet<uint>(letters.begin(), letters.end()))
      widest = std::max(widest, textPicture_.textSize(QString::fromUcs4(&letter, 1)).width());
    if (textPicture_.textSize(line).width() < widest) return true;
  }
  return false;
}

QList<char32_t> TitleRenderer::missingCharacters(const QString& text) const {
  return charactersWithoutGlyph(textPicture_.font, text, &textPicture_.picture);
}

RenderedTitle TitleRenderer::render(const QString& text) {
  printTitle(text);
  if (fixedCanvas_.isNull()) {
    if (designScale_) return renderDenserFitted();
    const Probe measured = probe();
    const QRect area = fittedArea(measured);
    return {fittedPicture(measured, area), overrunOf(area, measured.extent)};
  }
  captureCanvasBuffers(state_, fixedCanvasBuffer_);
  state_.designFrame.left = placed_.x();
  state_.designFrame.top = placed_.y();
  const QImage drawn = renderDesign(state_, printedText(), measures_, engine_, busy_);
  // Only a design that shows on the canvas's border, or whose frame leaves
  // the canvas, can run past it: only then is it drawn whole to measure.
  const bool framed = fixedCanvas_.rect().contains(QRect(placed_, mask_.size()));
  if (framed && !showsOnCanvasBorder(drawn, state_)) return {drawn, {}};
  const Probe measured = probe();
  return {drawn, overrunOf(canvasOn(measured), measured.extent)};
}

void TitleRenderer::checkAloneSize(QSize size) {
  if (!withinCanvasLimit(size))
    throw Failure(errorNumber::InvalidArgument,
                  u"--transparent: "_s + pastCanvasLimit(u"picture"_s, size));
}

// The title is the only stored layer of a run, so the stored layers painted
// over black and over white are the title alone.
QImage TitleRenderer::renderAlone(const QString& text, std::optional<int> trimMargin) {
  printTitle(text);
  if (designScale_) return renderDenserAlone(trimMargin);
  const Probe measured = probe();
  const QRect area = aloneArea(measured);
  checkAloneSize(area.size());
  // Beyond the probe the copy is filled with transparent pixels.
  const QImage design = designAlone(measured.size, engine_).copy(area);
  if (!trimMargin) return design;
  if (!anythingVisible(design))
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("--trim: the title leaves no visible pixel to cut out"));
  return trimmedToVisible(design, *trimMargin);
}

// What the window drew is measured as it is, also a title that shows
// nothing.
WholeDesign TitleRenderer::renderWhole(const QString& text) {
  printMask(text);
  const Probe measured = probe();
  const QRect canvas = canvasOn(measured);
  const QRect area = canvas | measured.extent;
  WholeDesign whole;
  whole.design = designAlone(measured.size, engine_).copy(area);
  whole.canvasAt = canvas.topLeft() - area.topLeft();
  // The probe's extent stands for the mask when nothing can be seen.
  const QRect seen = visibleExtent(whole.design);
  if (!seen.isNull()) whole.extent = seen.translated(-whole.canvasAt);
  return whole;
}
