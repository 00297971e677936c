#include "widgets/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // The picture covers the whole widget: nothing below needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  resize(sizeHint());
  if (!rect().contains(pointer_)) pointer_ = rect().center();
  update();
}

void PictureBox::changePicture(const std::function<QRect(QImage&)>& change) {
  const QRect changed = change(picture_);
  if (changed.isEmpty()) return;
  // A smoothed zoom blends each screen pixel from its neighbours too.
  const QRectF points(QPointF(changed.topLeft()) / picture_.devicePixelRatio(),
                      QSizeF(changed.size()) / picture_.devicePixelRatio());
  update(QRectF(points.topLeft() * zoom_, points.size() * zoom_)
             .toAlignedRect()
             .adjusted(-1, -1, 1, 1));
}

void PictureBox::setZoom(double zoom) {
  zoom_ = zoom;
  resize(sizeHint());
  update();
}

QSize PictureBox::sizeHint() const { return (picture_.deviceIndependentSize() * zoom_).toSize(); }

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
    QPen pen(Qt::white, 1, style);
    // One screen pixel wide at any zoom.
    pen.setCosmetic(true);
    painter.setPen(pen);
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
  // On a scaled screen or zoomed in, each picture pixel becomes a block of
  // identical screen pixels: a filtered scale would blur the relief the user
  // is judging. Zoomed out, smoothing keeps thin strokes from vanishing.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
  painter.drawImage(QRectF(QPointF(0, 0), picture_.deviceIndependentSize() * zoom_), picture_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    if (pointerStep_) drawPointerMarker(painter);
  }
  if (!overlay_) return;
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(Qt::white);
  painter.setBrush(Qt::NoBrush);
  painter.scale(zoom_, zoom_);
  overlay_(painter);
}

void PictureBox::takeKeyboardClicks() {
  setFocusPolicy(Qt::TabFocus);
  keyClicks_ = true;
}

void PictureBox::takeKeyboardPointer(int step, bool carries) {
  setFocusPolicy(Qt::TabFocus);
  pointerStep_ = step;
  carries_ = carries;
  pointer_ = rect().center();
}

// Space or Enter is a left click at the marker, or in the middle of a box
// without one.
void PictureBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (!keyClicks_ && !pointerStep_) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (pointerStep_ && movePointer(key)) return;
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  clickAt(pointerStep_ ? pointer_ : rect().center());
}

bool PictureBox::movePointer(int key) {
  QPoint by;
  if (key == Qt::Key_Left) by = {-pointerStep_, 0};
  if (key == Qt::Key_Right) by = {pointerStep_, 0};
  if (key == Qt::Key_Up) by = {0, -pointerStep_};
  if (key == Qt::Key_Down) by = {0, pointerStep_};
  if (by.isNull()) return false;
  pointer_ = QPoint(std::clamp(pointer_.x() + by.x(), 0, width() - 1),
                    std::clamp(pointer_.y() + by.y(), 0, height() - 1));
  emit mouseMoved(carrying_ ? Qt::LeftButton : Qt::NoButton, pointer_);
  update();
  return true;
}

void PictureBox::clickAt(QPoint at) {
  if (!carries_ || !carrying_) emit mousePressed(Qt::LeftButton, Qt::LeftButton, at);
  carrying_ = carries_ && !carrying_;
  if (!carrying_) emit mouseReleased(Qt::LeftButton, Qt::NoButton, at);
  update();
}

// A small inverted square, solid while a press is carried, on the screen
// only: the picture itself is never touched.
void PictureBox::drawPointerMarker(QPainter& painter) const {
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(Qt::white);
  painter.setBrush(carrying_ ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
  painter.drawRect(QRect(pointer_ - QPoint(2, 2), QSize(4, 4)));
  painter.restore();
}

void PictureBox::focusInEvent(QFocusEvent*) { update(); }

// Leaving the box ends a carried press where the marker stands, as letting
// go of the mouse button would.
void PictureBox::focusOutEvent(QFocusEvent*) {
  if (carrying_) clickAt(pointer_);
  update();
}

// The picture pixel under the pointer.
QPoint PictureBox::picturePoint(const QMouseEvent& event) const {
  if (zoom_ == 1) return event.position().toPoint();
  const QPointF at = event.position() / zoom_;
  return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->buttons(), picturePoint(*event));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), picturePoint(*event));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), event->buttons(), picturePoint(*event));
}

void PictureBox::resizeEvent(QResizeEvent*) { emit resized(); }
