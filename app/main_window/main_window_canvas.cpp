// The canvas: capture, render onto it, and the mouse on it (moving the
// design, panning, the crop rectangle).
#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>

#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/bmp_file.h"
#include "state/crop.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/error_report.h"
#include "state/layer_space.h"
#include "state/site_tags.h"
#include "state/stored_layers.h"
#include "state/text_picture.h"
#include "tools/drawing_area.h"
#include "tools/mask_canvas.h"
#include "tools/picture_tool.h"
#include "tools/shape_tool.h"

namespace {

constexpr int edgeScrollMargin = 5;

// Moves a visible bar by the pointer's way from the anchor coordinate, in
// screen pixels at the canvas's zoom; when that leaves the bar's range the
// anchor follows the pointer instead.
void panBar(QScrollBar* bar, int& anchor, int pointer, double zoom) {
  if (!bar->isVisible()) return;
  const int value = int(std::lround((anchor - pointer) * zoom)) + bar->value();
  if (value >= 0 && value <= bar->maximum())
    bar->setValue(value);
  else
    anchor = pointer;
}

// Scrolls a visible bar by one pixel when the pointer is past the far edge
// of the visible canvas or before its near edge.
void nudgeBarAtEdge(QScrollBar* bar, int pointer, int farEdge) {
  if (!bar->isVisible()) return;
  if (pointer > farEdge && bar->value() < bar->maximum())
    bar->setValue(bar->value() + 1);
  else if (pointer < bar->value() && bar->value() > 0)
    bar->setValue(bar->value() - 1);
}

}  // namespace

void MainWindow::captureCanvas() {
  DesignState& state = document_;
  ::captureCanvas(state, canvasView_->picture());
  setWindowTitle(state.currentPictureName);
  if (state.layersStored)
    canvasView_->setPicture(
        storedLayersOver(canvasView_->picture(), engine_->entryPoints(), state.layerOrigin));
  showDesignOverrun();
}

const QImage& MainWindow::canvasPicture() const { return canvasView_->picture(); }

void MainWindow::showBackground(const QImage& picture) {
  canvasView_->setPicture(picture);
  captureCanvas();
}

void MainWindow::replaceCanvas(const QImage& canvas) {
  canvasView_->setPicture(canvas);
  captureCanvas();
  // A fresh canvas holds nothing worth keeping until a design lies on it.
  fileCommands_->canvasReplaced();
}

void MainWindow::renderDesign() {
  DesignState& state = document_;
  if (!sourceReady(state, platform())) return;
  // The canvas keeps its picture until the render succeeds.
  canvasView_->setPicture(::renderDesign(state, document_.textPicture.picture,
                                         designPanels_->readings(), engine_->entryPoints(),
                                         platform()));
  fileCommands_->canvasChanged();
  showDesignOverrun();
  livePreview_->designDrawn();
}

// The frame takes the size of the current source: the text as printed, the
// shape tool's drawing area, or the picture tool's framed mask canvas.
void MainWindow::refreshDesignFrameSize() {
  DesignFrame& frame = document_.designFrame;
  QSize size;
  switch (document_.sourceKind) {
    case SourceKind::Text: {
      const QSizeF text = document_.textPicture.textSize(sourceFrame_->textBox()->text());
      size = QSize(roundHalfEven(text.width()), roundHalfEven(text.height()));
      break;
    }
    case SourceKind::Shape:
      if (const ShapeTool* tool = shapeTool()) size = tool->drawingArea()->picture().size();
      break;
    case SourceKind::Picture:
      if (const PictureTool* tool = pictureTool()) size = tool->maskCanvas()->picture().size();
      break;
  }
  if (size.isEmpty()) return;
  frame.width = size.width();
  frame.height = size.height();
}

QRect MainWindow::designFrameRectangle(QPoint offset) const {
  const DesignFrame& frame = document_.designFrame;
  const QPoint topLeft(frame.left + offset.x(), frame.top + offset.y());
  return QRect(topLeft, topLeft + QPoint(frame.width, frame.height));
}

bool MainWindow::insideDesignFrame(QPoint at, QPoint offset) const {
  return designFrameRectangle(offset).contains(at);
}

void MainWindow::canvasPressed(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseDown, [&] {
    gesture_.start(at);
    if (!cropModeOn()) {
      if (insideDesignFrame(at)) {
        if (button == Qt::LeftButton) {
          gesture_.startDesignMove();
          canvasView_->setCursor(Qt::SizeAllCursor);
          canvasView_->showRubberBand(designFrameRectangle({}), Qt::SolidLine);
        }
      } else if (canvasViewport_->horizontalBar()->isVisible() ||
                 canvasViewport_->verticalBar()->isVisible()) {
        canvasView_->setCursor(Qt::OpenHandCursor);
      }
    } else {
      canvasView_->showRubberBand(QRect(at, at), Qt::DotLine);
    }
  });
}

void MainWindow::canvasMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseMove, [&] {
    if (cropModeOn()) {
      if (!(buttons & Qt::LeftButton)) return;
      gesture_.follow(at);
      canvasView_->showRubberBand(gesture_.band(), Qt::DotLine);
      scrollAtEdge(at);
      return;
    }
    refreshDesignFrameSize();
    if (buttons == Qt::NoButton)
      canvasView_->setCursor(insideDesignFrame(at) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    if (!gesture_.movingDesign()) {
      if (buttons & Qt::LeftButton) pan(at);
      return;
    }
    dragFrame(buttons, at);
  });
}

// The anchor stays in canvas pixels while the canvas moves under the
// pointer, so the grabbed point follows the pointer.
void MainWindow::pan(QPoint at) {
  QPoint anchor = gesture_.anchor();
  const double zoom = canvasView_->zoom();
  panBar(canvasViewport_->horizontalBar(), anchor.rx(), at.x(), zoom);
  panBar(canvasViewport_->verticalBar(), anchor.ry(), at.y(), zoom);
  gesture_.reanchor(anchor);
}

void MainWindow::dragFrame(Qt::MouseButtons buttons, QPoint at) {
  if (!insideDesignFrame(at, gesture_.offset()) || !(buttons & Qt::LeftButton)) return;
  gesture_.follow(at);
  canvasView_->showRubberBand(designFrameRectangle(gesture_.offset()), Qt::SolidLine);
  scrollAtEdge(at);
}

// The bars count screen pixels: the pointer's canvas point is zoomed to them.
void MainWindow::scrollAtEdge(QPoint canvasPoint) {
  const QPoint at = (QPointF(canvasPoint) * canvasView_->zoom()).toPoint();
  QScrollBar* horizontal = canvasViewport_->horizontalBar();
  QScrollBar* vertical = canvasViewport_->verticalBar();
  nudgeBarAtEdge(
      horizontal, at.x(),
      horizontal->value() + canvasViewport_->width() - vertical->width() - edgeScrollMargin);
  nudgeBarAtEdge(
      vertical, at.y(),
      vertical->value() + canvasViewport_->height() - horizontal->height() - edgeScrollMargin);
}

void MainWindow::canvasReleased(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseUp, [&] {
    if (cropModeOn()) {
      askAndCrop();
      return;
    }
    const bool wasDragging = gesture_.endDesignMove();
    canvasView_->setCursor(Qt::ArrowCursor);
    // The typing stays in the text box, but a click on the canvas is no
    // longer about the words: with their selection dropped, Ctrl+C copies
    // the picture.
    sourceFrame_->textBox()->setFocus();
    sourceFrame_->textBox()->deselect();
    if (wasDragging) dropFrame(button, at);
  });
}

// The frame moves by the pointer's way from the press; the design is drawn
// there again when its source has something to draw.
void MainWindow::dropFrame(Qt::MouseButton button, QPoint at) {
  canvasView_->hideRubberBand();
  const QPoint anchor = gesture_.anchor();
  if (button != Qt::LeftButton || !insideDesignFrame(anchor)) return;
  DesignFrame& frame = document_.designFrame;
  frame.left = at.x() + frame.left - anchor.x();
  frame.top = at.y() + frame.top - anchor.y();
  gesture_.reanchor(at);
  const DesignState& state = document_;
  if (state.kindSettings[state.sourceKind].available) draw();
}

void MainWindow::askAndCrop() {
  MessageAnswer answer = MessageAnswer::No;
  // A failure while asking counts as No.
  try {
    answer = platform().showMessage({QStringLiteral("Do you wish to extract the selected area ?"),
                                     MessageIcon::Question, MessageButtons::YesNo});
  } catch (...) {
  }
  canvasView_->hideRubberBand();
  if (answer == MessageAnswer::Yes)
    cropCanvas(gesture_.anchor(), gesture_.current());
  else
    canvasView_->setCursor(Qt::CrossCursor);
}

void MainWindow::cropCanvas(QPoint from, QPoint to) {
  DesignState& state = document_;
  const std::optional<QRect> area =
      cropRectangle(canvasView_->picture().size(), from.x(), from.y(), to.x(), to.y());
  setCropMode(false);
  if (!area) return;
  state.undo.record(state.workingFiles.canvas, platform());
  // The background is cut; the design stays a layer of its own, at its place
  // on the part of the canvas that is kept.
  const QImage background = imageOfBuffer(state.buffers.background, state.geometry.canvasWidth,
                                          state.geometry.canvasRows);
  moveLayerOrigin(state, state.layerOrigin + area->topLeft());
  canvasView_->setPicture(background.copy(*area));
  captureCanvas();
  fileCommands_->canvasChanged();
}
