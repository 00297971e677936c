// The canvas: capture, render onto it, and the mouse on it (moving the
// design, panning, the crop rectangle).
#include <QAction>
#include <QLineEdit>
#include <QScrollBar>

#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/crop.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/error_report.h"
#include "state/site_tags.h"
#include "state/text_picture.h"
#include "tools/drawing_area.h"
#include "tools/frm_draw.h"
#include "tools/frm_picture.h"
#include "tools/mask_canvas.h"

namespace {

constexpr int edgeScrollMargin = 5;

// Moves a visible bar by the pointer's way from the anchor coordinate; when
// that leaves the bar's range the anchor follows the pointer instead.
void panBar(QScrollBar* bar, int& anchor, int pointer) {
  if (!bar->isVisible()) return;
  const int value = anchor - pointer + bar->value();
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

void FrmMain::captureCanvas() {
  ::captureCanvas(design(), Pct->picture());
  setWindowTitle(design().currentPictureName);
}

void FrmMain::renderDesign() {
  DesignState& state = design();
  if (!sourceReady(state, platform())) return;
  // The canvas keeps its picture until the render succeeds.
  Pct->setPicture(::renderDesign(state, design().textPicture.picture, panelReadings(),
                                 engine_->entryPoints(), platform()));
}

// The frame takes the size of the current source: the text as printed, the
// shape tool's drawing area, or the picture tool's framed mask canvas.
void FrmMain::refreshDesignFrameSize() {
  DesignFrame& frame = design().designFrame;
  QSize size;
  switch (design().sourceKind) {
    case SourceKind::Text: {
      const QSizeF text = design().textPicture.textSize(Frame1->Text1->text());
      size = QSize(roundHalfEven(text.width()), roundHalfEven(text.height()));
      break;
    }
    case SourceKind::Shape:
      if (const FrmDraw* tool = shapeTool()) size = tool->Picture1->picture().size();
      break;
    case SourceKind::Picture:
      if (const FrmPicture* tool = pictureTool()) size = tool->Picture2->picture().size();
      break;
  }
  if (size.isEmpty()) return;
  frame.width = size.width();
  frame.height = size.height();
}

QRect FrmMain::designFrameRectangle(QPoint offset) const {
  const DesignFrame& frame = design().designFrame;
  const QPoint topLeft(frame.left + offset.x(), frame.top + offset.y());
  return QRect(topLeft, topLeft + QPoint(frame.width, frame.height));
}

bool FrmMain::insideDesignFrame(QPoint at, QPoint offset) const {
  return designFrameRectangle(offset).contains(at);
}

void FrmMain::canvasPressed(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseDown, [&] {
    moving = at;
    if (!cropModeOn()) {
      if (insideDesignFrame(at)) {
        if (button == Qt::LeftButton) {
          dragging = true;
          Pct->setCursor(Qt::SizeAllCursor);
          Pct->showRubberBand(designFrameRectangle({}), Qt::SolidLine);
        }
      } else if (Picture1->HScroll1->isVisible() || Picture1->VScroll1->isVisible()) {
        Pct->setCursor(Qt::OpenHandCursor);
      }
    } else {
      Pct->showRubberBand(QRect(at, at), Qt::DotLine);
    }
    anchor = at;
  });
}

void FrmMain::canvasMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseMove, [&] {
    if (cropModeOn()) {
      if (!(buttons & Qt::LeftButton)) return;
      moving = at;
      Pct->showRubberBand(QRect(anchor, moving), Qt::DotLine);
      scrollAtEdge(at);
      return;
    }
    refreshDesignFrameSize();
    if (buttons == Qt::NoButton)
      Pct->setCursor(insideDesignFrame(at) ? Qt::SizeAllCursor : Qt::ArrowCursor);
    if (!dragging) {
      if (buttons & Qt::LeftButton) pan(at);
      return;
    }
    dragFrame(buttons, at);
  });
}

// The anchor stays in canvas pixels while the canvas moves under the
// pointer, so the grabbed point follows the pointer.
void FrmMain::pan(QPoint at) {
  panBar(Picture1->HScroll1, anchor.rx(), at.x());
  panBar(Picture1->VScroll1, anchor.ry(), at.y());
}

void FrmMain::dragFrame(Qt::MouseButtons buttons, QPoint at) {
  if (!insideDesignFrame(at, moving - anchor) || !(buttons & Qt::LeftButton)) return;
  moving = at;
  Pct->showRubberBand(designFrameRectangle(moving - anchor), Qt::SolidLine);
  scrollAtEdge(at);
}

void FrmMain::scrollAtEdge(QPoint at) {
  QScrollBar* horizontal = Picture1->HScroll1;
  QScrollBar* vertical = Picture1->VScroll1;
  nudgeBarAtEdge(horizontal, at.x(),
                 horizontal->value() + Picture1->width() - vertical->width() - edgeScrollMargin);
  nudgeBarAtEdge(vertical, at.y(),
                 vertical->value() + Picture1->height() - horizontal->height() - edgeScrollMargin);
}

void FrmMain::canvasReleased(Qt::MouseButton button, Qt::MouseButtons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Pct_MouseUp, [&] {
    if (cropModeOn()) {
      askAndCrop();
      return;
    }
    const bool wasDragging = dragging;
    dragging = false;
    Pct->setCursor(Qt::ArrowCursor);
    Frame1->Text1->setFocus();
    if (wasDragging) dropFrame(button, at);
  });
}

// The frame moves by the pointer's way from the press; the design is drawn
// there again when its source has something to draw.
void FrmMain::dropFrame(Qt::MouseButton button, QPoint at) {
  Pct->hideRubberBand();
  if (button != Qt::LeftButton || !insideDesignFrame(anchor)) return;
  DesignFrame& frame = design().designFrame;
  frame.left = at.x() + frame.left - anchor.x();
  frame.top = at.y() + frame.top - anchor.y();
  anchor = at;
  const DesignState& state = design();
  if (state.kindSettings[state.sourceKind].available) draw();
}

void FrmMain::askAndCrop() {
  MessageAnswer answer = MessageAnswer::No;
  // A failure while asking counts as No.
  try {
    answer = platform().showMessage({QStringLiteral("Do you wish to extract the selected area ?"),
                                     MessageIcon::Question, MessageButtons::YesNo});
  } catch (...) {
  }
  Pct->hideRubberBand();
  if (answer == MessageAnswer::Yes)
    cropCanvas(anchor, moving);
  else
    Pct->setCursor(Qt::CrossCursor);
}

void FrmMain::cropCanvas(QPoint from, QPoint to) {
  DesignState& state = design();
  const std::optional<QRect> area =
      cropRectangle(Pct->picture().size(), from.x(), from.y(), to.x(), to.y());
  if (area) {
    state.undo.record(state.workingFiles.canvas, platform());
    Pct->setPicture(Pct->picture().copy(*area));
  }
  setCropMode(false);
  captureCanvas();
}
