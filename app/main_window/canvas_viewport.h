// The canvas viewport: the canvas with its horizontal and vertical scroll
// bars. The canvas is centred when it fits and scrolled by the bars
// otherwise.
#pragma once

#include <QWidget>

#include "main_window/design_drag_handle.h"
#include "main_window/scroll_fit.h"
#include "widgets/picture_box.h"

class QScrollBar;

class CanvasViewport : public QWidget {
  Q_OBJECT
 public:
  explicit CanvasViewport(QWidget* parent = nullptr);

  PictureBox* canvas() const { return canvas_; }
  QScrollBar* horizontalBar() const { return horizontalBar_; }
  QScrollBar* verticalBar() const { return verticalBar_; }
  // In the corner where the bars meet, above the canvas.
  DesignDragHandle* dragHandle() const { return dragHandle_; }

  // Shows or hides the bars and sets their lengths and ranges for a canvas
  // of this size.
  void fitScrollBars(int canvasHeight, int canvasWidth);
  // Fits the bars and places the canvas: the canvas-resized step.
  void placeCanvas();
  // The part of the canvas that shows, in canvas pixels.
  QRect visibleCanvas() const;

 signals:
  // A bar was moved by the user; the focus goes back to the text.
  void scrolledByUser();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeBars();
  void scrollHorizontally(int value);
  void scrollVertically(int value);

  PictureBox* canvas_;
  QScrollBar* horizontalBar_;
  QScrollBar* verticalBar_;
  DesignDragHandle* dragHandle_;
  ScrollFit fit_;
};
