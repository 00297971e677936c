#include "widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  // The picture covers the whole widget: nothing below needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  resize(picture_.size());
  update();
}

void PictureBox::showRubberBand(QRect rectangle, Qt::PenStyle style) {
  rubberBand_ = rectangle;
  rubberBandStyle_ = style;
  update();
}

void PictureBox::hideRubberBand() {
  rubberBand_.reset();
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Window));
  painter.drawImage(QPoint(0, 0), picture_);
  if (!rubberBand_) return;
  // White in difference mode inverts what lies below, as an XOR pen would.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(QPen(Qt::white, 1, rubberBandStyle_));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rubberBand_->normalized());
}

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
