// The canvas area's canvas and the mouse on it: capturing a new background,
// moving the design frame, panning a canvas larger than the view, the crop
// rectangle and the crop mode.
#include "main_window/canvas_area.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <cmath>

#include "design/crop.h"
#include "design/design_state.h"
#include "files/bmp_file.h"
#include "files/site_tags.h"
#include "main_window/file_commands.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/engine_library.h"
#include "rendering/layer_space.h"
#include "rendering/render_pipeline.h"
#include "rendering/stored_layers.h"
#include "widgets/main_window_link.h"

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

CanvasArea::CanvasArea(QWidget& parent, CanvasAreaWindow& window, DesignState& document,
                       Platform& platform)
    : QObject(&parent),
      window_(window),
      document_(document),
      platform_(platform),
      viewport_(new CanvasViewport(&parent)) {
  viewport_->setObjectName(QStringLiteral("Picture1"));
  // The plain canvas a run starts on, until start-up captures it.
  QImage blank(631, 331, QImage::Format_RGB888);
  blank.fill(Qt::white);
  view()->setPicture(blank);
  connect(view(), &PictureBox::mousePressed, this, &CanvasArea::pressed);
  connect(view(), &PictureBox::mouseMoved, this, &CanvasArea::moved);
  connect(view(), &PictureBox::mouseReleased, this, &CanvasArea::released);
  connectDesignDrag();
}

CanvasArea::~CanvasArea() = default;

void CanvasArea::captureCanvas() {
  ::captureCanvas(document_, view()->picture());
  window_.ownerWidget().setWindowTitle(captionOf(document_.currentPictureName));
  if (document_.layersStored)
    view()->setPicture(storedLayersOver(view()->picture(), window_.link().engine().entryPoints(),
                                        document_.layerOrigin));
  showDesignOverrun();
}

void CanvasArea::showBackground(const QImage& picture) {
  view()->setPicture(picture);
  captureCanvas();
}

// The frame takes the size of the current source.
void CanvasArea::refreshDesignFrameSize() {
  const QSize size = window_.sourceSize();
  if (size.isEmpty()) return;
  document_.designFrame.width = size.width();
  document_.designFrame.height = size.height();
}

QRect CanvasArea::designFrameRectangle(QPoint offset) const {
  const DesignFrame& frame = document_.designFrame;
  const QPoint topLeft(frame.left + offset.x(), frame.top + offset.y());
  return QRect(topLeft, topLeft + QPoint(frame.width, frame.height));
}

bool CanvasArea::insideDesignFrame(QPoint at, QPoint offset) const {
  return designFrameRectangle(offset).contains(at);
}

void CanvasArea::pressed(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_Pct_MouseDown, [&] {
    gesture_.start(at);
    if (!cropModeOn()) {
      if (insideDesignFrame(at)) {
        if (button == Qt::LeftButton) {
          gesture_.startDesignMove();
          view()->setCursor(Qt::SizeAllCursor);
          view()->showRubberBand(designFrameRectangle({}), Qt::SolidLine);
        }
      } else if (viewport_->horizontalBar()->isVisible() || viewport_->verticalBar()->isVisible()) {
        view()->setCursor(Qt::OpenHandCursor);
      }
    } else {
      view()->showRubberBand(QRect(at, at), Qt::DotLine);
    }
  });
}

void CanvasArea::moved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_Pct_MouseMove, [&] {
    if (cropModeOn()) {
      if (!(buttons & Qt::LeftButton)) return;
      gesture_.follow(at);
      view()->showRubberBand(gesture_.band(), Qt::DotLine);
      scrollAtEdge(at);
      return;
    }
    refreshDesignFrameSize();
    if (buttons == Qt::NoButton)
      view()->setCursor(insideDesignFrame(at) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    if (!gesture_.movingDesign()) {
      if (buttons & Qt::LeftButton) pan(at);
      return;
    }
    dragFrame(buttons, at);
  });
}

// The anchor stays in canvas pixels while the canvas moves under the
// pointer, so the grabbed point follows the pointer.
void CanvasArea::pan(QPoint at) {
  QPoint anchor = gesture_.anchor();
  const double zoom = view()->zoom();
  panBar(viewport_->horizontalBar(), anchor.rx(), at.x(), zoom);
  panBar(viewport_->verticalBar(), anchor.ry(), at.y(), zoom);
  gesture_.reanchor(anchor);
}

void CanvasArea::dragFrame(Qt::MouseButtons buttons, QPoint at) {
  if (!insideDesignFrame(at, gesture_.offset()) || !(buttons & Qt::LeftButton)) return;
  gesture_.follow(at);
  view()->showRubberBand(designFrameRectangle(gesture_.offset()), Qt::SolidLine);
  scrollAtEdge(at);
}

// The bars count screen pixels: the pointer's canvas point is zoomed to them.
void CanvasArea::scrollAtEdge(QPoint canvasPoint) {
  const QPoint at = (QPointF(canvasPoint) * view()->zoom()).toPoint();
  QScrollBar* horizontal = viewport_->horizontalBar();
  QScrollBar* vertical = viewport_->verticalBar();
  nudgeBarAtEdge(horizontal, at.x(),
                 horizontal->value() + viewport_->width() - vertical->width() - edgeScrollMargin);
  nudgeBarAtEdge(vertical, at.y(),
                 vertical->value() + viewport_->height() - horizontal->height() - edgeScrollMargin);
}

void CanvasArea::released(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_Pct_MouseUp, [&] {
    if (cropModeOn()) {
      askAndCrop();
      return;
    }
    const bool wasDragging = gesture_.endDesignMove();
    view()->setCursor(Qt::ArrowCursor);
    window_.returnToTitle();
    if (wasDragging) dropFrame(button, at);
  });
}

// The frame moves by the pointer's way from the press; the design is drawn
// there again when its source has something to draw.
void CanvasArea::dropFrame(Qt::MouseButton button, QPoint at) {
  view()->hideRubberBand();
  const QPoint anchor = gesture_.anchor();
  if (button != Qt::LeftButton || !insideDesignFrame(anchor)) return;
  DesignFrame& frame = document_.designFrame;
  frame.left = at.x() + frame.left - anchor.x();
  frame.top = at.y() + frame.top - anchor.y();
  gesture_.reanchor(at);
  const DesignState& state = document_;
  if (state.kindSettings[state.sourceKind].available) window_.draw();
}

void CanvasArea::askAndCrop() {
  MessageAnswer answer = MessageAnswer::No;
  // A failure while asking counts as No.
  try {
    answer = platform_.showMessage({QStringLiteral("Do you wish to extract the selected area ?"),
                                    MessageIcon::Question, MessageButtons::YesNo});
  } catch (...) {
  }
  view()->hideRubberBand();
  if (answer == MessageAnswer::Yes)
    cropCanvas(gesture_.anchor(), gesture_.current());
  else
    view()->setCursor(Qt::CrossCursor);
}

void CanvasArea::cropCanvas(QPoint from, QPoint to) {
  DesignState& state = document_;
  const std::optional<QRect> area =
      cropRectangle(view()->picture().size(), from.x(), from.y(), to.x(), to.y());
  setCropMode(false);
  if (!area) return;
  state.undo.record(state.workingFiles.canvas, platform_);
  // The background is cut; the design stays a layer of its own, at its place
  // on the part of the canvas that is kept.
  const QImage background = imageOfBuffer(state.buffers.background, state.geometry.canvasWidth,
                                          state.geometry.canvasRows);
  moveLayerOrigin(state, state.layerOrigin + area->topLeft());
  view()->setPicture(background.copy(*area));
  captureCanvas();
  window_.canvasChanged();
}

void CanvasArea::cropModeClicked() {
  runTrapped(platform_, siteTag::frmMain_mnucrop_Click, [this] { setCropMode(!cropModeOn()); });
}

bool CanvasArea::cropModeOn() const { return cropButton_ && cropButton_->isChecked(); }

void CanvasArea::setCropMode(bool on) {
  cropButton_->setChecked(on);
  view()->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CanvasArea::toolsMenuOpening() {
  runTrapped(platform_, siteTag::frmMain_mnuTools_Click,
             [this] { cropEntry_->setChecked(cropModeOn()); });
}
