// The pictures shown on the tab panels: colour palettes, surface pattern
// and material thumbnails.
#pragma once

#include <QColor>
#include <QImage>
#include <optional>

// Hues across, from white at the top through full colour to black below.
QImage colourPalette(QSize size);
// 0 plain, 1 streaks, 2 grain, 3 ripples.
QImage surfacePatternThumbnail(int pattern, QSize size);
// A bevelled disc in the material's manner; 6 steel and 7 gold.
QImage materialThumbnail(int material, QSize size);
// The picture with a raised 3-D border: light above and left, dark below
// and right, as a pressed-in button shows the choice made.
QImage raisedPicture(const QImage& flat);
// Copies `tile` at its size across `target` from (0, 0), left to right and
// top to bottom; the last tiles are cut at the edges.
void tilePicture(QImage& target, const QImage& tile);
// The colour a palette gives under the pointer: the pixel at `at` while the
// left button is down; none with the button up or outside the picture.
std::optional<QColor> paletteColour(const QImage& palette, Qt::MouseButtons buttons, QPoint at);
