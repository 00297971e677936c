// The largest picture the program opens: pictures beyond either limit are
// refused before any pixel memory is allocated for them.
#pragma once

#include <QSize>
#include <QtGlobal>

inline constexpr int largestPictureSide = 16384;
inline constexpr qint64 largestPicturePixels = 100'000'000;

inline bool withinPictureLimits(qint64 width, qint64 rows) {
  return width > 0 && rows > 0 && width <= largestPictureSide && rows <= largestPictureSide &&
         width * rows <= largestPicturePixels;
}
