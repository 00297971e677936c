// The fonts of a command-line render: the font files given with
// --font-file and the one a style file names, added to the run's fonts
// before the title's font is chosen; and what is said when the family the
// title names is drawn in another font.
#pragma once

#include <QString>
#include <optional>

#include "headless/render_request.h"

struct Style;

// Adds the request's font files, then the style's own (relative to the
// style file's folder). Throws a UsageError naming the file and the cause.
void addFontFilesOf(const RenderRequest& request, const Style& style);

// Makes the static font of an installed variable font's instance the style
// names ("Inter Thin"); throws a UsageError naming the family, the file and
// the cause when it cannot be made.
void addInstalledInstanceOf(const Style& style);

// The line that tells of a family no installed font and no font file
// provides, naming the font used instead; nothing when the family is
// there, or when the title names no family of its own (the fresh-start
// family is replaced without a word, as in the window). With --strict-fonts
// a missing family throws a Failure instead.
std::optional<QString> missingFamilyNotice(const RenderRequest& request, const Style& style);
