#include "headless/scaled_scene.h"

#include "design/design_state.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

TitleScene scaledScene(TitleScene scene, int scale) {
  const QSize canvasSize = scene.canvas.size() * scale;
  if (canvasSize.width() > largestCanvasSide || canvasSize.height() > largestCanvasSide)
    throw UsageError(
        u"--scale: the canvas would be %1x%2 pixels, more than %3 a side"_s.arg(canvasSize.width())
            .arg(canvasSize.height())
            .arg(largestCanvasSide));
  scene.scale = scale;
  return scene;
}

QImage scaledPicture(const QImage& picture, int scale) {
  if (picture.isNull() || scale == 1) return picture;
  return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
