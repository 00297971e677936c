// The design cut out of its background, with the coverage of every pixel as
// its alpha.
//
// Every way the engine lays a design over a picture changes a background
// value b into A + K b, with the same factor K for the three channels of a
// pixel: a layer colour c with transparency t gives c (1 - t) + b t, an empty
// sample gives b, a shadow multiplies b by its factor, an engraving below one
// half scales b towards black and above one half scales it towards white
// (255 - 2 (1 - h)(255 - b)). A + K b is a colour A / (1 - K) laid over b
// with alpha 1 - K, so two backgrounds, black (giving A) and white (giving
// A + 255 K), fix both per pixel. The engine truncates after each step,
// which leaves A off by less than one and K by less than one part in 255
// per step.
#pragma once

#include <QImage>

// Solves for colour and alpha from the same design over black and over
// white (pictures of equal size). Pixels the design leaves alone come out
// fully transparent; pixels it replaces come out opaque in their exact
// colour. The result is non-premultiplied ARGB.
QImage transparentDesign(const QImage& overBlack, const QImage& overWhite);

// The box of the pixels transparentDesign(overBlack, overWhite) leaves not
// fully transparent, found without solving for any colour: null when there
// are none.
QRect designExtent(const QImage& overBlack, const QImage& overWhite);

// designExtent of the part `area` of two paintings of a picture of `size` in
// the engine's buffer layout, counted from the corner of `area`: the
// paintings are looked at where they lie, without making pictures of them.
// Null also when a buffer is shorter than the picture.
QRect designExtentOfBuffers(const QByteArray& overBlack, const QByteArray& overWhite, QSize size,
                            QRect area);

// Whether any pixel of `design` is not fully transparent.
bool anythingVisible(const QImage& design);
