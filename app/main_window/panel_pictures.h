// The pictures shown on the tab panels: colour palettes, surface pattern
// and material thumbnails.
#pragma once

#include <QImage>

// Hues across, from white at the top through full colour to black below.
QImage colourPalette(QSize size);
// 0 plain, 1 streaks, 2 grain, 3 ripples.
QImage surfacePatternThumbnail(int pattern, QSize size);
// A bevelled disc in the material's manner; 6 steel and 7 gold.
QImage materialThumbnail(int material, QSize size);
