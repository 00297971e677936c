// Where a companion window (the help) opens beside the window it belongs to,
// so that it covers none of it.
#pragma once

#include <QRect>

struct BesidePlacement {
  QRect companion;  // frame rectangle of the companion
  QPoint owner;     // where the owner's frame goes; unchanged unless it must make room
};

// A companion of `wanted` size beside `owner` (a frame rectangle) on
// `screen`: right of the owner when it fits there, else left of it; else on
// the roomier side, made narrower but never narrower than `narrowest`; else
// the owner moves towards the other edge to make room. Only on a screen too
// small for both does the companion cover part of the owner. Tops line up
// with the owner's where the screen allows.
BesidePlacement besideOwner(const QRect& owner, QSize wanted, const QRect& screen, int narrowest);
