// What a request draws with: the style file read, the scale applied, and
// the title measured, so that a title whose letters alone would make a
// picture past the service's limit is refused without a render.
#pragma once

#include <QString>

#include "headless/render_request.h"
#include "headless/title_renderer.h"

class Platform;

// Throws a QueryError naming the style or the scale that cannot be used.
TitleScene sceneOf(const RenderRequest& request, const QString& programFolder, Platform& platform);

// Throws a QueryError when the printed lines of `text` alone, at the
// scene's font and scale, hold more than `mostPixels` pixels.
void checkTextFits(const TitleScene& scene, const QString& text, qint64 mostPixels);
