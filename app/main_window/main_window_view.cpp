// How the canvas is seen: View > Zoom, and the design against the canvas's
// edges: the status bar tells when the drawn design runs past them, and
// Tools > Fit canvas to design makes the canvas hold it.
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/bmp_file.h"
#include "state/design_overrun.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/layer_space.h"
#include "state/site_tags.h"

using namespace Qt::StringLiterals;

namespace {

// However little text there is, a shadow or a turn may reach this far.
constexpr int leastRoomPastCanvas = 256;

}  // namespace

void MainWindow::connectViewCommands() {
  zoomPane_ = new QLabel(this);
  zoomPane_->setObjectName(u"ZoomPane"_s);
  cutNotice_ = new QLabel(this);
  cutNotice_->setObjectName(u"CutNotice"_s);
  cutNotice_->setStyleSheet(u"color: #b00000; font-weight: bold"_s);
  cutNotice_->hide();
  statusBar()->insertPermanentWidget(1, cutNotice_);
  statusBar()->insertPermanentWidget(2, zoomPane_);
  setCanvasZoom(actualSize);
  const auto zoomTo = [this](const char* name, std::function<int()> percent) {
    connect(menuEntry(QLatin1String(name)), &QAction::triggered, this, [this, percent] {
      runTrapped(platform(), siteTag::frmMain_mnuViewZoom_Click, [&] { setCanvasZoom(percent()); });
    });
  };
  zoomTo("mnuViewZoomIn", [this] { return zoomedIn(zoomPercent_); });
  zoomTo("mnuViewZoomOut", [this] { return zoomedOut(zoomPercent_); });
  zoomTo("mnuViewActualSize", [] { return actualSize; });
  zoomTo("mnuViewFit", [this] {
    return fittingZoom(canvasView_->picture().deviceIndependentSize().toSize(),
                       canvasViewport_->size());
  });
  connect(menuEntry(u"mnuToolsFitCanvas"_s), &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuToolsFitCanvas_Click,
               [this] { fitCanvasToDesign(); });
  });
}

// Zooming leaves the window's size to the user: the zoomed canvas counts as
// a size the window has already grown for.
void MainWindow::setCanvasZoom(int percent) {
  zoomPercent_ = percent;
  const double zoom = percent / 100.0;
  // The canvas point in the middle of the view stays there.
  const QPointF middle = QRectF(canvasViewport_->visibleCanvas()).center() * zoom;
  grownForCanvas_ = (canvasView_->picture().deviceIndependentSize() * zoom).toSize();
  canvasView_->setZoom(zoom);
  canvasViewport_->placeCanvas();
  canvasViewport_->horizontalBar()->setValue(int(middle.x()) - canvasViewport_->width() / 2);
  canvasViewport_->verticalBar()->setValue(int(middle.y()) - canvasViewport_->height() / 2);
  zoomPane_->setText(u"Zoom %1 %"_s.arg(percent));
}

// Looks past the canvas as far as the text could reach beyond it, turned
// any way.
int MainWindow::roomPastCanvas() const {
  const QSize text = document_.textPicture.picture.size();
  return std::max(leastRoomPastCanvas, text.width() + text.height());
}

WholeDesign MainWindow::drawnDesign() const {
  return wholeDesign(canvasView_->picture().size(), engine_->entryPoints(), document_.layerOrigin,
                     roomPastCanvas());
}

QRect MainWindow::drawnDesignExtent() const {
  return wholeDesignExtent(canvasView_->picture().size(), engine_->entryPoints(),
                           document_.layerOrigin, roomPastCanvas());
}

// Seeing the whole design costs several times a render, so it is looked
// for only when the design shows on the canvas's outermost pixels or its
// frame leaves the canvas: a design that runs past an edge does one or the
// other.
bool MainWindow::designMayRunPast() const {
  const QRect frame = designFrameRectangle({});
  if (frame.isValid() && !canvasView_->picture().rect().contains(frame)) return true;
  return showsOnCanvasBorder(canvasView_->picture(), document_);
}

void MainWindow::showDesignOverrun() {
  EdgeOverrun cut;
  if (document_.layersStored && designMayRunPast())
    cut = overrunOf(canvasView_->picture().rect(), drawnDesignExtent());
  cutNotice_->setText(cut.any() ? u"The design runs past the canvas: "_s + overrunText(cut)
                                : QString());
  cutNotice_->setVisible(cut.any());
}

// The canvas becomes the design's extent plus the margin, as an undo step.
// The background keeps its place under the design; where the canvas grows
// it is filled with the colour of a new canvas. The canvas cannot start
// before the corner of the layer space, where the layers' places begin.
void MainWindow::fitCanvasToDesign() {
  DesignState& state = document_;
  const QRect extent = state.layersStored ? drawnDesignExtent() : QRect();
  if (extent.isEmpty()) {
    platform().showMessage(
        {u"Nothing to fit the canvas to: draw a design first."_s, MessageIcon::Exclamation});
    return;
  }
  QRect area = extent.adjusted(-fittedCanvasMargin, -fittedCanvasMargin, fittedCanvasMargin,
                               fittedCanvasMargin);
  area.setLeft(std::max(area.left(), -state.layerOrigin.x()));
  area.setTop(std::max(area.top(), -state.layerOrigin.y()));
  state.undo.record(state.workingFiles.canvas, platform());
  const QImage background = imageOfBuffer(state.buffers.background, state.geometry.canvasWidth,
                                          state.geometry.canvasRows);
  QImage canvas(area.size(), QImage::Format_RGB888);
  canvas.fill(canvasBackColour_);
  QPainter(&canvas).drawImage(-area.topLeft(), background);
  moveLayerOrigin(state, state.layerOrigin + area.topLeft());
  canvasView_->setPicture(canvas);
  captureCanvas();
  fileCommands_->canvasChanged();
}
