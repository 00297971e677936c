// The extracted picture's frame: a photo enters the picture tool's viewing
// area of 363 x 277 pixels, and only that much of it is kept, surrounded by
// a 32-pixel band on every side. The render offsets shape and picture masks
// by this band, so the relief's outer effects have room around the subject.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

inline constexpr int pictureViewWidth = 363;
inline constexpr int pictureViewHeight = 277;
inline constexpr int pictureFrameWidth = 32;

// Where a picture of this size sits in the viewing area: centred, rounded
// halves to even, never left of or above it.
QPoint pictureViewPlacement(QSize picture);

// The canvas of a framed picture: the viewed part plus the band.
QSize framedCanvasSize(QSize picture);

// The viewed part of `photo` inside a band of `frameColour`.
QImage framedPicture(const QImage& photo, const QColor& frameColour);

// Paints the band of `canvas` in `colour`, leaving its inside alone.
void paintFrame(QImage& canvas, const QColor& colour);
