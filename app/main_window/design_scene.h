// The title of the design drawn apart from the window, as --render draws it:
// for the thumbnails of File > Styles and the denser copies of an export.
#pragma once

#include <QPoint>
#include <QSize>

#include "headless/title_renderer.h"

struct DesignState;
struct Style;

// `style` on a white canvas of `canvasSize` with the design at `position`;
// the texture and the screen's scale are the design's.
TitleScene titleSceneOf(const DesignState& design, const Style& style, QSize canvasSize,
                        QPoint position);
