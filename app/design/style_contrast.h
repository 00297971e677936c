// Whether a style's title stands out from the canvas it is applied on. A
// light title (the glow preset is made for dark pages) all but vanishes on a
// light canvas, and a dark one on a dark canvas; the window says so rather
// than leave the user looking for the title.
#pragma once

#include <QImage>
#include <optional>

#include "design/style.h"

enum class Lightness { Dark, Light };

// The lightness the title and the canvas share when a title filled with
// `fill` would hardly show on `canvas` (their mean lightness lies within a
// fifth of the range of each other); nothing when it shows.
std::optional<Lightness> sharedLightness(const StyleColour& fill, const QImage& canvas);
