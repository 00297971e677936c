// Curve files: the position line ",x1,...,x6," at byte 0 and the value line
// ",y1,...,y6," at byte 99 of a binary file in the curves folder.
#pragma once

#include <QByteArray>
#include <QString>

#include "design/curve_points.h"

class Platform;

inline constexpr qint64 curveValueLineOffset = 99;
inline constexpr qint64 curveLineLength = 50;

// "," + the six numbers joined by "," + ",".
QByteArray curveLine(const std::array<int32_t, curvePointCount>& numbers);

// Reads a curve file. A missing file is created empty first. A position line
// that does not split into 8 fields gives the built-in positions silently; a
// value line that does not gives the flat curve after a warning. Throws a
// Failure for anything else (unreadable file, a field that is no 16-bit
// integer, positions that do not rise within 0..255).
CurvePoints readCurveFile(const QString& path, Platform& platform);

// Replaces `path` with a file of both lines and nothing else, all at once;
// throws a Failure when the file cannot be written.
void writeCurveFile(const QString& path, const CurvePoints& points);

// Writes the curve the program ships under `name` ("default.txt",
// "steel.txt", "gold.txt") into the curves folder when the file there is
// missing or empty; any other name is left alone.
void restoreShippedCurve(const QString& name, const QString& curvesFolder);

// The curve box's Load: `name` inside the curves folder (a lost or emptied
// shipped curve restored first), or the user's choice when empty. Sets the
// points and returns true when read; reports a failure without site tag and
// leaves the points alone otherwise.
bool loadCurve(CurvePoints& points, const QString& name, const QString& curvesFolder,
               Platform& platform);

// The curve box's Save, the same way round; reports a failure in the same
// format and returns whether the file was written.
bool saveCurve(const CurvePoints& points, const QString& name, const QString& curvesFolder,
               Platform& platform);
