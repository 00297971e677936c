// The largest picture the program opens: pictures beyond either limit are
// refused before any pixel memory is allocated for them.
#pragma once

#include <QSize>
#include <QtGlobal>

inline constexpr int largestPictureSide = 16384;
inline constexpr qint64 largestPicturePixels = 100'000'000;

// The largest picture a reader accepts: at most `side` pixels a side and
// `pixels` pixels in all.
struct PictureLimits {
  int side = largestPictureSide;
  qint64 pixels = largestPicturePixels;
};

inline bool withinLimits(const PictureLimits& limits, qint64 width, qint64 rows) {
  return width > 0 && rows > 0 && width <= limits.side && rows <= limits.side &&
         width * rows <= limits.pixels;
}

inline bool withinPictureLimits(qint64 width, qint64 rows) {
  return withinLimits(PictureLimits{}, width, rows);
}
