// Colour keying of an extracted picture: the relief engine keeps the pixels
// whose colour lies inside a red, a green and a blue range and paints every
// other pixel, and every pixel of the transparent colour, in that colour.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

class EngineEntryPoints;

// The colours to keep (inclusive bounds) and the transparent colour. Nothing
// keeps a lower bound at or below its upper bound: such a range keeps nothing.
struct KeyRanges {
  int32_t RedMin = 0;
  int32_t RedMax = 255;
  int32_t GreenMin = 0;
  int32_t GreenMax = 255;
  int32_t BlueMin = 0;
  int32_t BlueMax = 255;
  int32_t KeyRed = 255;
  int32_t KeyGreen = 255;
  int32_t KeyBlue = 255;

  // Bound 1 red low, 2 red high, 3 green low, 4 green high, 5 blue low,
  // 6 blue high: the order of the window's bound buttons.
  int32_t& bound(int index);

  // Every bound back to 0..255; the transparent colour stays.
  void resetBounds();
  // Each range 100 either side of the picked colour, within 0..255.
  void pickAround(const QColor& colour);
  // One step up (only below 255) or down (only above 0) of bound `index`.
  void stepBound(int index, bool up);
  void setKeyColour(const QColor& colour);
  QColor keyColour() const;
};

struct KeyedPicture {
  QImage picture;  // removed pixels in the transparent colour
  QImage mask;     // kept pixels black, removed ones white
};

// Keys the framed picture held by `pictureFile` (a 24-bit BMP), then drops
// the key colour's fringe from the kept edge. Throws a Failure when the file
// cannot be read.
KeyedPicture keyPicture(const QString& pictureFile, const KeyRanges& ranges,
                        const EngineEntryPoints& engine);
