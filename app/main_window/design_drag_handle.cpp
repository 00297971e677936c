#include "main_window/design_drag_handle.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

DesignDragHandle::DesignDragHandle(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DesignDragHandle"));
  setCursor(Qt::OpenHandCursor);
  setToolTip(QStringLiteral("Drag from here to take the design out as a transparent PNG picture"));
  setAccessibleName(QStringLiteral("Drag the design out"));
}

// A framed picture with an arrow leaving it, in the text colour, so it shows
// on light and dark palettes alike.
void DesignDragHandle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.2));
  const QRectF area = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
  const QRectF frame(area.left(), area.top() + area.height() * 0.35, area.width() * 0.65,
                     area.height() * 0.65);
  painter.drawRect(frame);
  const QPointF tip = area.topRight();
  painter.drawLine(frame.center(), tip);
  painter.drawLine(tip, tip + QPointF(-area.width() * 0.35, 0));
  painter.drawLine(tip, tip + QPointF(0, area.height() * 0.35));
}

void DesignDragHandle::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  pressedAt_ = event->position().toPoint();
}

void DesignDragHandle::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressedAt_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  pressed_ = false;
  QMimeData* data = dragData();
  if (!data) {
    emit nothingToDrag();
    return;
  }
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
}
