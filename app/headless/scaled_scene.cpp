#include "headless/scaled_scene.h"

#include "design/design_state.h"
#include "headless/canvas_limit.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

void checkScaledSize(const QString& what, QSize size) {
  if (!withinCanvasLimit(size)) throw UsageError(u"--scale: "_s + pastCanvasLimit(what, size));
}

}  // namespace

// Both pictures are measured before either is scaled, so a scale past the
// limit is refused without allocating their pixels.
TitleScene scaledScene(TitleScene scene, int scale) {
  checkScaledSize(u"canvas"_s, scene.canvas.size() * scale);
  checkScaledSize(u"texture"_s, scene.texture.size() * scale);
  scene.scale = scale;
  return scene;
}

QImage scaledPicture(const QImage& picture, int scale) {
  if (picture.isNull() || scale == 1) return picture;
  return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
