// The drawing area of a drawing tool: a picture box that can also show the
// figure being dragged out, inverted over the drawing. That figure lives only
// on the screen; the drawing itself gets the final figure on release.
#pragma once

#include <optional>

#include "design/sketch_figures.h"
#include "widgets/picture_box.h"

class DrawingArea : public PictureBox {
  Q_OBJECT
 public:
  using PictureBox::PictureBox;

  void showDraggedFigure(const SketchFigure& figure);
  void hideDraggedFigure();
  std::optional<SketchFigure> draggedFigure() const { return dragged_; }

  // Draws the figure, or a stroke's segment, into the drawing itself.
  void drawFinalFigure(const SketchFigure& figure);

 private:
  std::optional<SketchFigure> dragged_;
};
