// Between a style and the design: a style applied to the design's model,
// in the window and on the command line alike, and the style read back.
#pragma once

#include "design/style.h"
#include "design/text_picture.h"

class QFont;
struct DesignState;

// Sets every setting of the model to the style's; the texture picture and
// the font are the caller's to load.
void applyStyle(const Style& style, DesignState& state);

// Gives `font` the style's family, size and type styles.
void putStyleFont(const StyleFont& style, QFont& font);

// How the style sets the lines and letters of a title.
TextArrangement styleArrangement(const StyleFont& style);

// The style of the model, with the current kind's texture, `font` and the
// text picture's arrangement.
Style styleOf(const DesignState& state, const QFont& font);
