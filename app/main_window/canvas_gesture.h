// A press-drag-release on the canvas: it moves the design frame, pans a
// canvas larger than the window, or drags out a crop rectangle. It keeps the
// press point (the anchor) and the pointer's latest point, in canvas pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <utility>

class CanvasGesture {
 public:
  // A press at `at`: both points start there.
  void start(QPoint at) {
    anchor_ = at;
    current_ = at;
  }
  void follow(QPoint at) { current_ = at; }
  // Panning keeps the grabbed canvas point under the pointer by moving the
  // anchor when a scroll bar reaches its end.
  void reanchor(QPoint at) { anchor_ = at; }

  void startDesignMove() { movingDesign_ = true; }
  // Ends a design move; true when one was under way.
  bool endDesignMove() { return std::exchange(movingDesign_, false); }
  bool movingDesign() const { return movingDesign_; }

  QPoint anchor() const { return anchor_; }
  QPoint current() const { return current_; }
  // How far the pointer has come from the press.
  QPoint offset() const { return current_ - anchor_; }
  // The crop rectangle between the press and the pointer.
  QRect band() const { return QRect(anchor_, current_); }

 private:
  QPoint anchor_;
  QPoint current_;
  bool movingDesign_ = false;
};
