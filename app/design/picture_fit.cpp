#include "design/picture_fit.h"

#include "design/rounding.h"

int32_t fitWidth(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight) {
  if (pictureHeight == 0) return 0;
  const double ratio = double(pictureWidth) / pictureHeight;
  if (boxHeight * ratio >= boxWidth) return boxWidth;
  return roundHalfEven(boxHeight * ratio);
}

int32_t fitHeight(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth,
                  int32_t pictureHeight) {
  if (pictureHeight == 0 || pictureWidth == 0) return 0;
  const double ratio = double(pictureWidth) / pictureHeight;
  if (boxHeight * ratio < boxWidth) return boxHeight;
  return roundHalfEven(boxWidth / ratio);
}
