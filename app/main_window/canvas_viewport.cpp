#include "main_window/canvas_viewport.h"

#include <QScrollBar>
#include <algorithm>

#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/described.h"

CanvasViewport::CanvasViewport(QWidget* parent)
    : QWidget(parent),
      canvas_(new PictureBox(this)),
      horizontalBar_(new QScrollBar(Qt::Horizontal, this)),
      verticalBar_(new QScrollBar(Qt::Vertical, this)),
      dragHandle_(new DesignDragHandle(this)) {
  canvas_->setObjectName(QStringLiteral("Pct"));
  horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
  verticalBar_->setObjectName(QStringLiteral("VScroll1"));
  // The bars never take the focus, so the text keeps it and no focus mark shows.
  for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setFixedSize(scrollBarThickness, scrollBarThickness);
  }
  dragHandle_->setFixedSize(scrollBarThickness, scrollBarThickness);
  describe(canvas_, QStringLiteral("Canvas"),
           QStringLiteral("Drag to move the design frame or to scroll a large canvas"));
  // Tab reaches the canvas; its keys stay with the window's canvas keys.
  canvas_->setFocusPolicy(Qt::TabFocus);
  horizontalBar_->setAccessibleName(QStringLiteral("Scroll the canvas across"));
  verticalBar_->setAccessibleName(QStringLiteral("Scroll the canvas up and down"));
  setAutoFillBackground(true);
  QPalette shade = palette();
  shade.setColor(QPalette::Window, palette().color(QPalette::Dark));
  setPalette(shade);

  connect(horizontalBar_, &QScrollBar::valueChanged, this, &CanvasViewport::scrollHorizontally);
  connect(verticalBar_, &QScrollBar::valueChanged, this, &CanvasViewport::scrollVertically);
  connect(horizontalBar_, &QScrollBar::sliderReleased, this, &CanvasViewport::scrolledByUser);
  connect(verticalBar_, &QScrollBar::sliderReleased, this, &CanvasViewport::scrolledByUser);
  connect(canvas_, &PictureBox::resized, this, [this] {
    runTrapped(platform(), siteTag::frmMain_Pct_Resize, [this] { placeCanvas(); });
  });
}

void CanvasViewport::resizeEvent(QResizeEvent*) {
  runTrapped(platform(), siteTag::frmMain_Picture1_Resize, [this] {
    placeBars();
    placeCanvas();
  });
}

void CanvasViewport::placeBars() {
  horizontalBar_->move(0, height() - horizontalBar_->height());
  verticalBar_->move(width() - verticalBar_->width(), 0);
  dragHandle_->move(width() - scrollBarThickness, height() - scrollBarThickness);
}

void CanvasViewport::fitScrollBars(int canvasHeight, int canvasWidth) {
  fit_ = ::fitScrollBars({canvasWidth, canvasHeight}, size());
  // A lone bar stops short of the corner too: the drag handle sits there.
  const int besideCorner = std::max(width() - scrollBarThickness, 0);
  horizontalBar_->setFixedWidth(std::clamp(fit_.horizontalLength, 0, besideCorner));
  verticalBar_->setFixedHeight(
      std::clamp(fit_.verticalLength, 0, std::max(height() - scrollBarThickness, 0)));
  horizontalBar_->setMaximum(fit_.horizontalMax);
  verticalBar_->setMaximum(fit_.verticalMax);
  horizontalBar_->setPageStep(fit_.horizontalLargeChange);
  verticalBar_->setPageStep(fit_.verticalLargeChange);
  horizontalBar_->setVisible(fit_.horizontalShown);
  verticalBar_->setVisible(fit_.verticalShown);
}

void CanvasViewport::placeCanvas() {
  fitScrollBars(canvas_->height(), canvas_->width());
  canvas_->move(canvasPosition(canvas_->size(), size(), fit_, horizontalBar_->value(),
                               verticalBar_->value()));
  dragHandle_->raise();
}

QRect CanvasViewport::visibleCanvas() const {
  const QRect shown = QRect(-canvas_->pos(), size()).intersected(canvas_->rect());
  const double zoom = canvas_->zoom();
  return QRectF(QPointF(shown.topLeft()) / zoom, QSizeF(shown.size()) / zoom).toAlignedRect();
}

void CanvasViewport::scrollHorizontally(int value) {
  runTrapped(platform(), siteTag::frmMain_HScroll1_Change,
             [&] { canvas_->move(-value, canvas_->y()); });
}

void CanvasViewport::scrollVertically(int value) {
  runTrapped(platform(), siteTag::frmMain_VScroll1_Change,
             [&] { canvas_->move(canvas_->x(), verticalBar_->y() - value); });
}
