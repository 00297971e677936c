#include "main_window/design_scene.h"

#include "design/design_state.h"

TitleScene titleSceneOf(const DesignState& design, const Style& style, QSize canvasSize,
                        QPoint position) {
  TitleScene scene;
  scene.style = style;
  scene.canvas = QImage(canvasSize, QImage::Format_RGB888);
  scene.canvas.fill(Qt::white);
  scene.designPosition = position;
  if (style.fillKind == FillKind::Texture) scene.texture = design.texturePicture;
  scene.dotsPerInch = 1440.0 / design.layoutUnitX;
  return scene;
}
