// Trimming a transparent design to what can be seen of it.
#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel that is not fully transparent;
// a null rectangle when there is none.
QRect visibleExtent(const QImage& design);

// The visible extent of `design` grown by `margin` pixels on every side
// (negative margins count as 0). Where the margin reaches past the picture's
// edge it is filled with transparent pixels, so the margin is the same on
// all four sides. A design with nothing visible gives a null picture.
QImage trimmedToVisible(const QImage& design, int margin);
