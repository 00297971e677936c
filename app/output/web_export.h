// Writing the design for a web page: the transparent design, trimmed or on
// the whole canvas, encoded and put in place of the target in one step.
#pragma once

#include <QImage>
#include <QString>

#include "output/web_export_dialog.h"

// What Export for the web says when no source has been drawn.
inline const QString nothingToExportMessage =
    QStringLiteral("Nothing to export: draw a design first.");

// The picture the choice asks for: the design trimmed to its visible extent
// plus the margin, or the whole canvas.
QImage exportedPicture(const QImage& design, const WebExportChoice& choice);

// Encodes `picture` and writes it as `target`. A failed write throws a
// Failure and leaves any earlier file under that name as it was.
void writeWebPicture(const QImage& picture, const WebEncoding& encoding, const QString& target);
