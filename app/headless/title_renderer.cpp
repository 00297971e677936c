#include "headless/title_renderer.h"

#include <QPainter>
#include <QSet>
#include <algorithm>

#include "headless/canvas_limit.h"
#include "headless/scaled_scene.h"
#include "state/engine_library.h"
#include "state/failure.h"
#include "state/stored_layers.h"
#include "state/style_design.h"
#include "state/transparent_design.h"
#include "state/visible_extent.h"

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

int roomFor(int maskSide, int wanted) {
  return std::min(wanted, std::max(leastProbeRoom, (largestProbeSide - maskSide) / 2));
}

bool staysInMask(DeformationType deformation, EffectType effect) {
  return deformation == DeformationType::None && effect != EffectType::DropShadow &&
         effect != EffectType::CastShadow;
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
                             Platform& platform)
    : fixedCanvas_(scene.canvas),
      fitColour_(scene.fitColour),
      fitMargin_(scene.fitMargin),
      engine_(engine),
      platform_(platform),
      scale_(scene.scale) {
  applyScreenMetrics(state_, scene.dotsPerInch, scene.dotsPerInch);
  textPicture_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  unscaledText_.setDotsPerInch(1440.0 / state_.layoutUnitX);
  putStyle(scene.style, state_, readings_);
  putStyleFont(scene.style.font, textPicture_.font);
  putStyleFont(scene.style.font, unscaledText_.font);
  unscaledText_.font.setPointSizeF(scene.style.font.pointSize / scale_);
  textPicture_.arrangement = styleArrangement(scene.style.font);
  unscaledText_.arrangement = textPicture_.arrangement;
  unscaledText_.arrangement.letterSpacing /= scale_;
  readings_.smoothingSize = textPicture_.roundedFontSize();
  if (!scene.texture.isNull()) loadTexture(state_, scene.texture);
  // The capture keeps Draw's place on the canvas: the design frame held
  // inside it, unless the place is given.
  if (!fixedCanvas_.isNull()) {
    fixedCanvasBuffer_ = pictureBufferOf(fixedCanvas_);
    captureCanvasBuffers(state_, fixedCanvasBuffer_);
  }
  placed_ = scene.designPosition.value_or(QPoint(state_.designFrame.left, state_.designFrame.top));
}

TitleRenderer::Probe TitleRenderer::probe(const PanelReadings& readings) {
  const QSize mask = textPicture_.picture.size();
  int room = staysInMask(state_.deformationType, state_.effectType)
                 ? uprightProbeRoom
                 : std::max(leastProbeRoom, std::max(mask.width(), mask.height()) / 4);
  for (;;) {
    const QPoint at(roomFor(mask.width(), room), roomFor(mask.height(), room));
    const QSize size = mask + QSize(2 * at.x(), 2 * at.y());
    captureCanvasBuffers(state_, plainPictureBuffer(size, fitColour_));
    state_.designFrame.left = at.x();
    state_.designFrame.top = at.y();
    renderIntoBuffers(state_, textPicture_.picture, readings, engine_, platform_);
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

// Letters too small for a pixel, or blank in the font, would come out as
// the bare canvas, reported as a title.
void TitleRenderer::printTitle(const QString& text) {
  if (lettersFoldBack(text))
    throw Failure(errorNumber::InvalidArgument,
                  u"--letter-spacing: %1 pixels draws the letters over one another"_s.arg(
                      unscaledText_.arrangement.letterSpacing));
  textPicture_.print(text);
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

RenderedTitle TitleRenderer::render(const QString& text) {
  printTitle(text);
  const PanelReadings readings = readingsFor(text);
  if (fixedCanvas_.isNull()) {
    const Probe measured = probe(readings);
    const QRect area = fittedArea(measured);
    return {fittedPicture(measured, area), overrunOf(area, measured.extent)};
  }
  captureCanvasBuffers(state_, fixedCanvasBuffer_);
  state_.designFrame.left = placed_.x();
  state_.designFrame.top = placed_.y();
  const QImage drawn = renderDesign(state_, textPicture_.picture, readings, engine_, platform_);
  // Only a design that shows on the canvas's border, or whose frame leaves
  // the canvas, can run past it: only then is it drawn whole to measure.
  const bool framed = fixedCanvas_.rect().contains(QRect(placed_, textPicture_.picture.size()));
  if (framed && !showsOnCanvasBorder(drawn, state_)) return {drawn, {}};
  const Probe measured = probe(readings);
  return {drawn, overrunOf(canvasOn(measured), measured.extent)};
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
  for (int32_t* amount : {&readings.sliders.engraved, &readings.sliders.outline})
    *amount = scaledEffectAmount(*amount, state_.effectType, room, scaledRoom, scale_);
  return readings;
}

// The title is the only stored layer of a run, so the stored layers painted
// over black and over white are the title alone.
QImage TitleRenderer::renderAlone(const QString& text, std::optional<int> trimMargin) {
  printTitle(text);
  const Probe measured = probe(readingsFor(text));
  const QRect area =
      fixedCanvas_.isNull() ? fittedArea(measured) : canvasOn(measured) | measured.extent;
  if (!withinCanvasLimit(area.size()))
    throw Failure(errorNumber::InvalidArgument,
                  u"--transparent: "_s + pastCanvasLimit(u"picture"_s, area.size()));
  // Beyond the probe the copy is filled with transparent pixels.
  const QImage design = designAlone(measured.size, engine_).copy(area);
  if (!trimMargin) return design;
  trimMargin = *trimMargin * scale_;
  if (!anythingVisible(design))
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("--trim: the title leaves no visible pixel to cut out"));
  return trimmedToVisible(design, *trimMargin);
}
