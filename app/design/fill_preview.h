// The fill preview swatch `PicInside2` (0): the fill colour shaded the way
// the curve axis runs, lighter towards white on one side and darker towards
// half the colour on the other.
#pragma once

#include <QImage>

struct DesignState;

inline constexpr int fillPreviewWidth = 107;
inline constexpr int fillPreviewHeight = 21;

// Paints the swatch from the fill colour and the curve axis. With a material
// below 6 the fill colour is first kept as the current source kind's own.
void drawFillPreview(DesignState& state, QImage& swatch);
