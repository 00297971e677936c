#include "widgets/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // The picture covers the whole widget: nothing below needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  resize(sizeHint());
  update();
}

QSize PictureBox::sizeHint() const { return picture_.deviceIndependentSize().toSize(); }

void PictureBox::showInverted(std::function<void(QPainter&)> overlay) {
  overlay_ = std::move(overlay);
  update();
}

void PictureBox::hideInverted() {
  overlay_ = nullptr;
  update();
}

void PictureBox::showRubberBand(QRect rectangle, Qt::PenStyle style) {
  rubberBand_ = rectangle;
  showInverted([rectangle, style](QPainter& painter) {
    painter.setPen(QPen(Qt::white, 1, style));
    painter.drawRect(rectangle.normalized());
  });
}

void PictureBox::hideRubberBand() {
  rubberBand_.reset();
  hideInverted();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  // On a scaled screen each picture pixel becomes a block of identical screen
  // pixels: a filtered scale would blur the relief the user is judging.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRectF(QPointF(0, 0), picture_.deviceIndependentSize()), picture_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  if (!overlay_) return;
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(Qt::white);
  painter.setBrush(Qt::NoBrush);
  overlay_(painter);
}

void PictureBox::takeKeyboardClicks() { setFocusPolicy(Qt::TabFocus); }

// Space or Enter is a left click in the middle of the picture.
void PictureBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (focusPolicy() == Qt::NoFocus ||
      (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const QPoint middle = rect().center();
  emit mousePressed(Qt::LeftButton, Qt::LeftButton, middle);
  emit mouseReleased(Qt::LeftButton, Qt::NoButton, middle);
}

void PictureBox::focusInEvent(QFocusEvent*) { update(); }

void PictureBox::focusOutEvent(QFocusEvent*) { update(); }

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->buttons(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), event->buttons(), event->position().toPoint());
}

void PictureBox::resizeEvent(QResizeEvent*) { emit resized(); }
