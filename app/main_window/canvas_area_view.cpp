// How the canvas is seen: View > Zoom, and the design against the canvas's
// edges: the status bar tells when the drawn design runs past them, and
// Tools > Fit canvas to design makes the canvas hold it.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>
#include <mutex>

#include "design/design_state.h"
#include "files/bmp_file.h"
#include "files/site_tags.h"
#include "headless/private_engine.h"
#include "headless/title_renderer.h"
#include "main_window/canvas_area.h"
#include "main_window/design_scene.h"
#include "main_window/menu_actions.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/design_overrun.h"
#include "rendering/engine_library.h"
#include "rendering/layer_space.h"
#include "widgets/main_window_link.h"

using namespace Qt::StringLiterals;

namespace {

// However little text there is, a shadow or a turn may reach this far.
constexpr int leastRoomPastCanvas = 256;

}  // namespace

void CanvasArea::attach(const MenuActions& actions, QAction& cropButton, QMenu& toolsMenu,
                        QStatusBar& statusBar) {
  cropButton_ = &cropButton;
  cropEntry_ = actions.crop;
  connect(cropEntry_, &QAction::triggered, this, &CanvasArea::cropModeClicked);
  connect(&toolsMenu, &QMenu::aboutToShow, this, &CanvasArea::toolsMenuOpening);
  zoomPane_ = new QLabel(&statusBar);
  zoomPane_->setObjectName(u"ZoomPane"_s);
  cutNotice_ = new QLabel(&statusBar);
  cutNotice_->setObjectName(u"CutNotice"_s);
  // A dark red reads on a light bar only; a dark bar takes a light red.
  const bool darkBar = statusBar.palette().color(QPalette::Window).lightness() < 128;
  cutNotice_->setStyleSheet(
      u"color: %1; font-weight: bold"_s.arg(darkBar ? u"#ff7070"_s : u"#b00000"_s));
  cutNotice_->hide();
  statusBar.insertPermanentWidget(1, cutNotice_);
  statusBar.insertPermanentWidget(2, zoomPane_);
  setZoom(actualSize);
  connect(actions.zoomIn, &QAction::triggered, this, &CanvasArea::zoomIn);
  connect(actions.zoomOut, &QAction::triggered, this, &CanvasArea::zoomOut);
  connect(actions.actualSize, &QAction::triggered, this, &CanvasArea::zoomToActualSize);
  connect(actions.fitView, &QAction::triggered, this, &CanvasArea::zoomToFit);
  connect(actions.fitCanvas, &QAction::triggered, this, &CanvasArea::fitCanvasClicked);
}

void CanvasArea::zoomIn() { zoomTrapped(zoomedIn(zoomPercent_)); }

void CanvasArea::zoomOut() { zoomTrapped(zoomedOut(zoomPercent_)); }

void CanvasArea::zoomToActualSize() { zoomTrapped(actualSize); }

void CanvasArea::zoomToFit() {
  zoomTrapped(fittingZoom(view()->picture().deviceIndependentSize().toSize(), viewport_->size()));
}

void CanvasArea::zoomTrapped(int percent) {
  runTrapped(platform_, siteTag::frmMain_mnuViewZoom_Click, [&] { setZoom(percent); });
}

void CanvasArea::fitCanvasClicked() {
  runTrapped(platform_, siteTag::frmMain_mnuToolsFitCanvas_Click, [this] { fitCanvasToDesign(); });
}

// Zooming leaves the window's size to the user: the zoomed canvas counts as
// a size the window has already grown for.
void CanvasArea::setZoom(int percent) {
  zoomPercent_ = percent;
  const double zoom = percent / 100.0;
  // The canvas point in the middle of the view stays there.
  const QPointF middle = QRectF(viewport_->visibleCanvas()).center() * zoom;
  window_.keepSizeFor((view()->picture().deviceIndependentSize() * zoom).toSize());
  view()->setZoom(zoom);
  viewport_->placeCanvas();
  viewport_->horizontalBar()->setValue(int(middle.x()) - viewport_->width() / 2);
  viewport_->verticalBar()->setValue(int(middle.y()) - viewport_->height() / 2);
  zoomPane_->setText(u"Zoom %1 %"_s.arg(percent));
}

// Looks past the canvas as far as the text could reach beyond it, turned
// any way.
int CanvasArea::roomPastCanvas() const {
  const QSize text = document_.textPicture.picture.size();
  return std::max(leastRoomPastCanvas, text.width() + text.height());
}

// A title alone is seen whole as the command line sees it: drawn apart on
// the engine copy with room on every side. The stored layers keep the
// places they were drawn at, from the corner of the layer space on, so they
// cannot show what a turn or a bend carries before that corner.
bool CanvasArea::titleAlone() const {
  const DesignState& state = document_;
  return state.sourceKind == SourceKind::Text && !state.kindSettings[SourceKind::Shape].available &&
         !state.kindSettings[SourceKind::Picture].available;
}

WholeDesign CanvasArea::drawnTitle() const {
  const DesignFrame& frame = document_.designFrame;
  const TitleScene scene = titleSceneOf(document_, window_.currentStyle(), view()->picture().size(),
                                        QPoint(frame.left, frame.top));
  const std::shared_ptr<PrivateEngine> engine = window_.privateEngine();
  const std::lock_guard turn(engine->lock());
  TitleRenderer renderer(scene, engine->entryPoints(), platform_);
  return renderer.renderWhole(window_.titleText());
}

WholeDesign CanvasArea::drawnDesign() const {
  if (titleAlone() && document_.layersStored) return drawnTitle();
  return wholeDesign(view()->picture().size(), window_.link().engine().entryPoints(),
                     document_.layerOrigin, roomPastCanvas());
}

QRect CanvasArea::drawnDesignExtent() const {
  if (titleAlone() && document_.layersStored) return drawnTitle().extent;
  return wholeDesignExtent(view()->picture().size(), window_.link().engine().entryPoints(),
                           document_.layerOrigin, roomPastCanvas());
}

// Seeing the whole design costs several times a render, so it is looked
// for only when the design may run past an edge: when it shows on the
// canvas's outermost pixels or its frame leaves the canvas, and whenever it
// is turned or bent, which can carry a part clean off the canvas.
bool CanvasArea::designMayRunPast() const {
  const QRect frame = designFrameRectangle({});
  if (frame.isValid() && !view()->picture().rect().contains(frame)) return true;
  if (document_.model.style().deformationType != DeformationType::None) return true;
  return showsOnCanvasBorder(view()->picture(), document_);
}

// A drawn design's frame takes its source's size first: a title typed
// longer since the pointer last crossed the canvas can end between two
// letters just past the edge, showing nothing on the outermost pixels.
void CanvasArea::showDesignOverrun() {
  EdgeOverrun cut;
  if (document_.layersStored) {
    refreshDesignFrameSize();
    if (designMayRunPast()) cut = overrunOf(view()->picture().rect(), drawnDesignExtent());
  }
  cutNotice_->setText(cut.any() ? u"The design runs past the canvas: "_s + overrunText(cut)
                                : QString());
  cutNotice_->setVisible(cut.any());
}

// The canvas becomes the design's extent plus the margin, as an undo step.
// The background keeps its place under the design; where the canvas grows
// it is filled with the colour of a new canvas. The layers begin at the
// corner of the layer space: a title reaching before it is drawn again,
// moved onto the new canvas; other designs are cut there.
void CanvasArea::fitCanvasToDesign() {
  DesignState& state = document_;
  const QRect extent = state.layersStored ? drawnDesignExtent() : QRect();
  if (extent.isEmpty()) {
    platform_.showMessage(
        {u"Nothing to fit the canvas to: draw a design first."_s, MessageIcon::Exclamation});
    return;
  }
  QRect area = extent.adjusted(-fittedCanvasMargin, -fittedCanvasMargin, fittedCanvasMargin,
                               fittedCanvasMargin);
  const bool redraw = titleAlone();
  if (!redraw) {
    area.setLeft(std::max(area.left(), -state.layerOrigin.x()));
    area.setTop(std::max(area.top(), -state.layerOrigin.y()));
  }
  const QPoint origin = state.layerOrigin + area.topLeft();
  const QPoint beforeCorner(std::max(0, -origin.x()), std::max(0, -origin.y()));
  state.undo.record(state.workingFiles.canvas, platform_);
  const QImage background = imageOfBuffer(state.buffers.background, state.geometry.canvasWidth,
                                          state.geometry.canvasRows);
  QImage canvas(area.size(), QImage::Format_RGB888);
  canvas.fill(window_.link().canvasBackColour());
  QPainter(&canvas).drawImage(-area.topLeft(), background);
  moveLayerOrigin(state, origin + beforeCorner);
  view()->setPicture(canvas);
  captureCanvas();
  if (!beforeCorner.isNull()) redrawTitleAfter(beforeCorner);
  window_.canvasChanged();
}

// The layer space starts `shift` later than the fitted canvas needs: the
// title moves by as much and is drawn again at its new place.
void CanvasArea::redrawTitleAfter(QPoint shift) {
  DesignFrame& frame = document_.designFrame;
  frame.left += shift.x();
  frame.top += shift.y();
  window_.draw();
}
