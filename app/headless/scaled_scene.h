// A title drawn at N times its pixel density: the engine draws the design at
// density N, which lengthens every measure it fixes in pixels, and the
// renderer draws the canvas, the font and the design's place N times as
// large, so the picture is the design of scale 1 at N times the pixels.
#pragma once

#include <QImage>

#include "headless/title_renderer.h"

inline constexpr int largestScale = 4;

// `scene` to be drawn `scale` times as dense. Throws a UsageError naming
// --scale when the canvas would grow past the largest canvas.
TitleScene scaledScene(TitleScene scene, int scale);

// `picture` `scale` times as large each way; a null picture stays null.
QImage scaledPicture(const QImage& picture, int scale);
