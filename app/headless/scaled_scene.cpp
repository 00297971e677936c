#include "headless/scaled_scene.h"

#include <algorithm>
#include <cmath>

#include "headless/canvas_limit.h"
#include "headless/render_command.h"
#include "state/design_state.h"

using namespace Qt::StringLiterals;

namespace {

// The engine limits the squared reach of an outer effect to the squared
// room around the design, and to these many square pixels at most.
constexpr double largestReach2 = 1000;
constexpr double largestRaisedReach2 = 150;

void checkScaledSize(const QString& what, QSize size) {
  if (!withinCanvasLimit(size)) throw UsageError(u"--scale: "_s + pastCanvasLimit(what, size));
}

QImage scaledPicture(const QImage& picture, int scale) {
  if (picture.isNull() || scale == 1) return picture;
  return picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

TitleScene scaledScene(TitleScene scene, int scale) {
  checkScaledSize(u"canvas"_s, scene.canvas.size() * scale);
  checkScaledSize(u"texture"_s, scene.texture.size() * scale);
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
  using enum velloro::EffectType;
  if (type < Engraved || scale == 1) return amount;
  const double limit = type == Raised ? largestRaisedReach2 : largestReach2;
  const double reach2 = std::min(double(room) * room, limit);
  const double scaledReach2 = std::min(double(scaledRoom) * scaledRoom, limit);
  if (scaledReach2 <= 0) return amount;
  const double wanted = amount * reach2 * scale * scale / scaledReach2;
  return int(std::clamp(std::lround(wanted), 0L, 100L));
}
