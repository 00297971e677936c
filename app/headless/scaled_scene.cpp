#include "headless/scaled_scene.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "design/design_state.h"
#include "design/outside_effects.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

QImage scaledPicture(const QImage& picture, int scale) {
  if (picture.isNull() || scale == 1) return picture;
  return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

TitleScene scaledScene(TitleScene scene, int scale) {
  const QSize canvasSize = scene.canvas.size() * scale;
  if (canvasSize.width() > largestCanvasSide || canvasSize.height() > largestCanvasSide)
    throw UsageError(
        u"--scale: the canvas would be %1x%2 pixels, more than %3 a side"_s.arg(canvasSize.width())
            .arg(canvasSize.height())
            .arg(largestCanvasSide));
  const DesignFrame fresh;
  const QPoint position = scene.designPosition.value_or(QPoint(fresh.left, fresh.top));
  scene.designPosition = position * scale;
  scene.style.font.pointSize *= scale;
  scene.style.font.letterSpacing *= scale;
  scene.canvas = scaledPicture(scene.canvas, scale);
  scene.texture = scaledPicture(scene.texture, scale);
  scene.scale = scale;
  return scene;
}

int roomAroundDesign(const QImage& mask) {
  int top = mask.height(), bottom = -1, left = mask.width(), right = -1;
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    for (int x = 0; x < mask.width(); ++x) {
      if (row[3 * x] >= 128) continue;
      top = std::min(top, y);
      bottom = y;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  if (bottom < 0) return 0;
  return std::min({left, top, mask.width() - 1 - right, mask.height() - 1 - bottom});
}

int scaledEffectAmount(int amount, velloro::EffectType type, int room, int scaledRoom, int scale) {
  // The engine limits the squared reach of an outer effect to the squared
  // room around the design, and to its row's largest reach.
  const std::optional<double> largest = outsideEffect(type).largestReach2;
  if (!largest || scale == 1) return amount;
  const double limit = *largest;
  const double reach2 = std::min(double(room) * room, limit);
  const double scaledReach2 = std::min(double(scaledRoom) * scaledRoom, limit);
  if (scaledReach2 <= 0) return amount;
  const double wanted = amount * reach2 * scale * scale / scaledReach2;
  return int(std::clamp(std::lround(wanted), 0L, 100L));
}
