// Where a fixed-layout window opens.
#pragma once

class QWidget;

// Sizes `window` to its layout size in pixels, scaled by the screen's twips
// per pixel, and places it horizontally centred with its top at one third of
// the free screen height, plus `extraTwips` lower down.
void placeFixedWindow(QWidget& window, int layoutWidth, int layoutHeight, int extraTwips = 0);
