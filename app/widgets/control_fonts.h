// Scales the fonts of a window's labels, text boxes, buttons, lists and
// sliders by the font scale factor, so that windows keep their proportions
// on screens of other densities.
#pragma once

class Platform;
class QWidget;

// Reports a failure under its own site tag and stops adjusting the window.
void adjustControlFonts(QWidget& window, double factor, Platform& platform);
