#include "rendering/colour_keying.h"

#include <QColor>
#include <algorithm>

#include "files/bmp_file.h"
#include "rendering/colour_keying_fringe.h"
#include "rendering/engine_library.h"

int32_t& KeyRanges::bound(int index) {
  switch (index) {
    case 1: return RedMin;
    case 2: return RedMax;
    case 3: return GreenMin;
    case 4: return GreenMax;
    case 5: return BlueMin;
    default: return BlueMax;
  }
}

void KeyRanges::resetBounds() {
  RedMin = GreenMin = BlueMin = 0;
  RedMax = GreenMax = BlueMax = 255;
}

void KeyRanges::pickAround(const QColor& colour) {
  const int components[] = {colour.red(), colour.green(), colour.blue()};
  for (int channel = 0; channel < 3; ++channel) {
    bound(2 * channel + 1) = std::max(components[channel] - 100, 0);
    bound(2 * channel + 2) = std::min(components[channel] + 100, 255);
  }
}

void KeyRanges::stepBound(int index, bool up) {
  int32_t& value = bound(index);
  if (up && value < 255) ++value;
  if (!up && value > 0) --value;
}

void KeyRanges::setKeyColour(const QColor& colour) {
  KeyRed = colour.red();
  KeyGreen = colour.green();
  KeyBlue = colour.blue();
}

QColor KeyRanges::keyColour() const { return QColor(KeyRed, KeyGreen, KeyBlue); }

KeyedPicture keyPicture(const QString& pictureFile, const KeyRanges& ranges,
                        const EngineEntryPoints& engine) {
  PictureBuffer picture = readPictureBuffer(pictureFile);
  QByteArray mask(picture.bytes.size(), '\0');
  engine.frontiere(reinterpret_cast<uint8_t*>(picture.bytes.data()),
                   reinterpret_cast<uint8_t*>(mask.data()), picture.stride, picture.rows,
                   ranges.KeyRed, ranges.KeyGreen, ranges.KeyBlue, ranges.RedMin, ranges.RedMax,
                   ranges.GreenMin, ranges.GreenMax, ranges.BlueMin, ranges.BlueMax);
  KeyedPicture keyed{imageOfBuffer(picture.bytes, picture.width, picture.rows),
                     imageOfBuffer(mask, picture.width, picture.rows)};
  // A picture laid over the key colour (a transparent PNG) has edges mixed
  // with it, which the ranges keep.
  dropKeyFringe(keyed, ranges.keyColour());
  return keyed;
}
