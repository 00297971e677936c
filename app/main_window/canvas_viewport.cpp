#include "main_window/canvas_viewport.h"

#include <QScrollBar>

#include "platform/platform.h"
#include "state/error_report.h"
#include "state/site_tags.h"

CanvasViewport::CanvasViewport(QWidget* parent)
    : QWidget(parent),
      Pct(new PictureBox(this)),
      HScroll1(new QScrollBar(Qt::Horizontal, this)),
      VScroll1(new QScrollBar(Qt::Vertical, this)) {
  Pct->setObjectName(QStringLiteral("Pct"));
  HScroll1->setObjectName(QStringLiteral("HScroll1"));
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  // The bars never take the focus, so the text keeps it and no focus mark shows.
  for (QScrollBar* bar : {HScroll1, VScroll1}) {
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setFixedSize(scrollBarThickness, scrollBarThickness);
  }
  setAutoFillBackground(true);
  QPalette shade = palette();
  shade.setColor(QPalette::Window, palette().color(QPalette::Dark));
  setPalette(shade);

  connect(HScroll1, &QScrollBar::valueChanged, this, &CanvasViewport::scrollHorizontally);
  connect(VScroll1, &QScrollBar::valueChanged, this, &CanvasViewport::scrollVertically);
  connect(HScroll1, &QScrollBar::sliderReleased, this, &CanvasViewport::scrolledByUser);
  connect(VScroll1, &QScrollBar::sliderReleased, this, &CanvasViewport::scrolledByUser);
  connect(Pct, &PictureBox::resized, this, [this] {
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
  HScroll1->move(0, height() - HScroll1->height());
  VScroll1->move(width() - VScroll1->width(), 0);
}

void CanvasViewport::fitScrollBars(int canvasHeight, int canvasWidth) {
  fit_ = ::fitScrollBars({canvasWidth, canvasHeight}, size());
  HScroll1->setFixedWidth(std::max(fit_.horizontalLength, 0));
  VScroll1->setFixedHeight(std::max(fit_.verticalLength, 0));
  HScroll1->setMaximum(fit_.horizontalMax);
  VScroll1->setMaximum(fit_.verticalMax);
  HScroll1->setPageStep(fit_.horizontalLargeChange);
  VScroll1->setPageStep(fit_.verticalLargeChange);
  HScroll1->setVisible(fit_.horizontalShown);
  VScroll1->setVisible(fit_.verticalShown);
}

void CanvasViewport::placeCanvas() {
  fitScrollBars(Pct->height(), Pct->width());
  Pct->move(canvasPosition(Pct->size(), size(), fit_, HScroll1->value(), VScroll1->value()));
}

QRect CanvasViewport::visibleCanvas() const {
  return QRect(-Pct->pos(), size()).intersected(Pct->rect());
}

void CanvasViewport::scrollHorizontally(int value) {
  runTrapped(platform(), siteTag::frmMain_HScroll1_Change, [&] { Pct->move(-value, Pct->y()); });
}

void CanvasViewport::scrollVertically(int value) {
  runTrapped(platform(), siteTag::frmMain_VScroll1_Change,
             [&] { Pct->move(Pct->x(), VScroll1->y() - value); });
}
