// The canvas shown in the window brought up to the last render in place:
// a drag redraws the design many times a second on a canvas of millions of
// pixels, so the picture is neither made anew nor compared whole, and only
// the rows the render changed are rewritten and shown again.
#pragma once

#include <QImage>
#include <QRect>

struct DesignState;

// Writes the canvas part of the state's output buffer (the last render, in
// the layer space of the state's layer origin) into `canvas`, which must
// have the canvas's size, Format_RGB888 and a pixel ratio of 1, as a
// render's canvas has (refreshableCanvas), and returns
// the rows that changed, the canvas's width wide; empty when none did.
QRect refreshCanvas(const DesignState& state, QImage& canvas);

// Whether `canvas` can be refreshed in place with the state's last render.
bool refreshableCanvas(const DesignState& state, const QImage& canvas);
