// The small handle in the canvas viewport's corner from which the finished
// design is dragged out of the program, into a browser's upload box, a page
// builder or a file manager. The canvas's own drags stay what they were.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

class QMimeData;

class DesignDragHandle : public QWidget {
  Q_OBJECT
 public:
  explicit DesignDragHandle(QWidget* parent = nullptr);

  // What a drag carries; null when there is nothing to drag.
  std::function<QMimeData*()> dragData = [] { return nullptr; };

 signals:
  // A drag was asked for with nothing to carry.
  void nothingToDrag();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint pressedAt_;
  bool pressed_ = false;
};
