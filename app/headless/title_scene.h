// Gathers what a command-line render draws with: the style (the fresh-start
// design, then the style file, then the options), the canvas and the
// texture, read from the program's curves and textures folders.
#pragma once

#include <QString>

#include "headless/render_request.h"
#include "headless/title_renderer.h"

class Platform;

// Throws a UsageError naming the option whose file cannot be used.
TitleScene titleSceneFor(const RenderRequest& request, const QString& programFolder,
                         Platform& platform);

// The fresh-start style: the default curve of `curvesFolder`, or the flat
// built-in curve when it has none.
Style freshStyleFrom(const QString& curvesFolder, Platform& platform);

// `style` with the options of the command line put over it.
Style withOverrides(Style style, const StyleOverrides& overrides, const QString& curvesFolder,
                    Platform& platform);
