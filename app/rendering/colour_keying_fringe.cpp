#include "rendering/colour_keying_fringe.h"

#include <algorithm>
#include <array>
#include <optional>

#include "rendering/colour_keying.h"

namespace {

using Colour = std::array<double, 3>;

// How far a pixel may lie from the line between the key colour and the
// subject's colour and still count as a mix of the two.
constexpr double mixTolerance = 40;
// Mixes with at least this share of subject are left alone: the eye sees no
// key colour in them.
constexpr double wholeSubject = 0.95;

class Pixels {
 public:
  Pixels(const QImage& picture, const QImage& mask) : picture_(picture), mask_(mask) {}

  bool inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < picture_.width() && y < picture_.height();
  }
  bool removed(int x, int y) const { return mask_.constScanLine(y)[3 * x] != 0; }
  Colour colour(int x, int y) const {
    const uchar* pixel = picture_.constScanLine(y) + 3 * x;
    return {double(pixel[0]), double(pixel[1]), double(pixel[2])};
  }

  bool onEdge(int x, int y) const {
    if (removed(x, y)) return false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (inside(x + dx, y + dy) && removed(x + dx, y + dy)) return true;
    return false;
  }

  // The mean colour of the kept pixels within two steps that do not touch
  // the background themselves: the subject's own colour there.
  std::optional<Colour> subjectNear(int x, int y) const {
    Colour sum{};
    int count = 0;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (!inside(nx, ny) || removed(nx, ny) || onEdge(nx, ny)) continue;
        const Colour c = colour(nx, ny);
        for (int i = 0; i < 3; ++i) sum[i] += c[i];
        ++count;
      }
    if (count == 0) return std::nullopt;
    for (double& channel : sum) channel /= count;
    return sum;
  }

 private:
  const QImage& picture_;
  const QImage& mask_;
};

double dot(const Colour& a, const Colour& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Colour minus(const Colour& a, const Colour& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// The share of subject in a pixel mixed from the key and the subject, when
// it is such a mix.
std::optional<double> subjectShare(const Colour& pixel, const Colour& key, const Colour& subject) {
  const Colour line = minus(subject, key);
  const double length = dot(line, line);
  if (length < 1) return std::nullopt;
  const Colour offset = minus(pixel, key);
  const double share = dot(offset, line) / length;
  Colour off = offset;
  for (int i = 0; i < 3; ++i) off[i] -= share * line[i];
  if (dot(off, off) > mixTolerance * mixTolerance) return std::nullopt;
  return std::clamp(share, 0.0, 1.0);
}

uchar channelOf(double value) { return uchar(std::clamp(value + 0.5, 0.0, 255.0)); }

}  // namespace

void dropKeyFringe(KeyedPicture& keyed, const QColor& key) {
  const QImage picture = keyed.picture.convertToFormat(QImage::Format_RGB888);
  const QImage mask = keyed.mask.convertToFormat(QImage::Format_RGB888);
  const Pixels before(picture, mask);
  const Colour keyColour{double(key.red()), double(key.green()), double(key.blue())};
  QImage cleaned = picture;
  QImage cleanedMask = mask;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      if (!before.onEdge(x, y)) continue;
      const std::optional<Colour> subject = before.subjectNear(x, y);
      if (!subject) continue;
      const Colour pixel = before.colour(x, y);
      const std::optional<double> share = subjectShare(pixel, keyColour, *subject);
      if (!share || *share >= wholeSubject) continue;
      uchar* out = cleaned.scanLine(y) + 3 * x;
      if (*share < 0.5) {
        for (int i = 0; i < 3; ++i) out[i] = channelOf(keyColour[i]);
        std::fill_n(cleanedMask.scanLine(y) + 3 * x, 3, uchar(255));
      } else {
        for (int i = 0; i < 3; ++i)
          out[i] = channelOf(keyColour[i] + (pixel[i] - keyColour[i]) / *share);
      }
    }
  keyed.picture = cleaned;
  keyed.mask = cleanedMask;
}
