// A title drawn at N times its pixel density: every pixel measure of the
// scene grows by N (font size, canvas, design position, texture), and the
// effect widths, which the engine takes as a share of the room around the
// design, are recomputed so that the effect reaches N times as far.
#pragma once

#include <QImage>

#include "headless/title_renderer.h"

inline constexpr int largestScale = 4;

// `scene` drawn `scale` times as dense. Throws a UsageError naming --scale
// when the canvas would grow past the largest canvas.
TitleScene scaledScene(TitleScene scene, int scale);

// Pixels of room the engine finds around the dark pixels of `mask`: the
// least of the four distances from their bounding box to the mask's edges.
int roomAroundDesign(const QImage& mask);

// The effect amount that reaches `scale` times as far around a design with
// `scaledRoom` pixels of room as `amount` does with `room`; shadows, whose
// amount is a strength, keep theirs.
int scaledEffectAmount(int amount, velloro::EffectType type, int room, int scaledRoom, int scale);
