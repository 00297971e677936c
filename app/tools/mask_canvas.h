// The picture tool's mask canvas: a picture box drawn on with a pen of a
// colour and width. The outline of a figure being dragged is shown inverted
// over the mask and never enters its picture.
#pragma once

#include <QColor>
#include <optional>

#include "design/sketch_figures.h"
#include "widgets/picture_box.h"

class MaskCanvas : public PictureBox {
  Q_OBJECT
 public:
  explicit MaskCanvas(QWidget* parent = nullptr);

  QColor penColour{Qt::white};
  int penWidth = 25;

  // Draws into the picture with the pen.
  void drawStroke(QPoint from, QPoint to);
  void drawFinalFigure(const SketchFigure& figure);

  void showOutline(const SketchFigure& figure);
  void hideOutline();
  const std::optional<SketchFigure>& outline() const { return outline_; }

 private:
  QPen pen() const;
  SketchFigure withPen(SketchFigure figure, const QColor& colour) const;

  std::optional<SketchFigure> outline_;
};
