// Where a fixed-layout window opens.
#pragma once

struct ScreenScale;
class QWidget;

// Sizes `window` to its layout size in pixels on a screen of `scale`, and
// places it horizontally centred with its top at one third of the free
// screen height, plus `extraTwips` lower down.
void placeFixedWindow(QWidget& window, const ScreenScale& scale, int layoutWidth, int layoutHeight,
                      int extraTwips = 0);
