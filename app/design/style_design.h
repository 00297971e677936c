// Between a style and the design state: the thin mapping that puts a style's
// settings where a render reads them, and reads them back.
#pragma once

#include "design/style.h"
#include "design/text_picture.h"

class QFont;
struct DesignState;
struct PanelReadings;

// Sets the current settings of `state` and the slider readings of a render
// to the style's; the texture picture itself is the caller's to load.
void putStyle(const Style& style, DesignState& state, PanelReadings& readings);

// Gives `font` the style's family, size and type styles.
void putStyleFont(const StyleFont& style, QFont& font);

// How the style sets the lines and letters of a title.
TextArrangement styleArrangement(const StyleFont& style);

// The style of the current settings, readings and font, with the text
// picture's arrangement.
Style styleOf(const DesignState& state, const PanelReadings& readings, const QFont& font);
