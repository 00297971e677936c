// Where a companion window (the help) opens beside the window it belongs to,
// so that it covers none of it.
#pragma once

#include <QRect>

// The frame rectangle for a companion of `wanted` size beside `owner` (a
// frame rectangle too) on `screen`: right of the owner when it fits there,
// else left of it; else on the roomier side, made narrower to fit but never
// narrower than `narrowest`; on a screen too small even for that, the owner
// is partly covered and the companion stays on the screen. Tops line up
// with the owner's where the screen allows.
QRect besideOwner(const QRect& owner, QSize wanted, const QRect& screen, int narrowest);
