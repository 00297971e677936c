// Writing the design for a web page: the transparent design, trimmed or on
// the whole canvas, encoded and put in place of the target in one step.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "output/web_export_dialog.h"

// What Export for the web says when no source has been drawn.
inline const QString nothingToExportMessage =
    QStringLiteral("Nothing to export: draw a design first.");

// The picture the choice asks for: the design trimmed to its visible extent
// plus the margin, or the whole canvas.
QImage exportedPicture(const QImage& design, const WebExportChoice& choice);

// The densities of the copies "also at 2x and 3x" writes beside the picture.
inline constexpr int denserScales[] = {2, 3};

// The part of the canvas the choice exports: the visible extent of `design`
// plus the margin, or the whole canvas; null when nothing is visible.
QRect exportedArea(const QImage& design, const WebExportChoice& choice);

// The copy at `scale` times the density: the same area of `denseDesign`, the
// design drawn anew at that density, so that it is exactly `scale` times the
// size of the picture and shows the same part of the design.
QImage denserPicture(const QImage& denseDesign, QRect area, int scale);

// "name@2x.png" beside "name.png".
QString denserName(const QString& target, int scale);

// The HTML element that shows `target` at `size` and lets screens of high
// density take the denser copies, with `text` as its alternative text.
QString imageElement(const QString& target, QSize size, const QString& text, bool withDenser);

// Encodes `picture` and writes it as `target`. A failed write throws a
// Failure and leaves any earlier file under that name as it was.
void writeWebPicture(const QImage& picture, const WebEncoding& encoding, const QString& target);
