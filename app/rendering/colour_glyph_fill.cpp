#include "rendering/colour_glyph_fill.h"

#include <QPainter>
#include <algorithm>

#include "design/design_model.h"
#include "design/design_state.h"
#include "design/gradient_fill.h"
#include "rendering/render_pipeline.h"

namespace {

int32_t perDensity(int32_t pixels, int32_t density) { return (pixels + density - 1) / density; }

// Remainder in 0..divisor-1 also for negative dividends.
int64_t wrapped(int64_t value, int64_t divisor) {
  const int64_t remainder = value % divisor;
  return remainder < 0 ? remainder + divisor : remainder;
}

int channel(int32_t value) { return std::clamp(value, 0, 255); }

QImage plainFill(const Style& style, QSize size) {
  QImage fill(size, QImage::Format_RGB888);
  fill.fill(QColor(channel(style.fillColour.red), channel(style.fillColour.green),
                   channel(style.fillColour.blue)));
  return fill;
}

QImage gradientFill(const Style& style, const PictureBuffer& mask, QSize size) {
  const QImage maskPicture = imageOfBuffer(mask.bytes, mask.width, mask.rows);
  const QImage gradient = gradientTexture(maskPicture, fillGradient(style));
  if (gradient.size() == size) return gradient;
  return gradient.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The texture buffer repeated over `size` tile pixels as the engine repeats
// it from `offset`: every texture-rows rows and one column short of the
// texture's width, the tile's top row taken from the texture's row 1.
QImage repeatedTexture(const DesignState& state, QSize size, int32_t offset) {
  const QByteArray& texture = state.buffers.texture;
  const int64_t stride = state.geometry.textureStride;
  const int64_t rows = state.geometry.textureRows;
  const int64_t period = std::max<int64_t>(stride / 3 - 1, 1);
  const auto byte = [&texture](int64_t at) {
    return at < texture.size() ? uchar(texture[qsizetype(at)]) : uchar(0);
  };
  QImage fill(size, QImage::Format_RGB888);
  for (int y = 0; y < size.height(); ++y) {
    const int64_t row = rows - 1 - wrapped(y + 1 - offset, rows);
    uchar* pixel = fill.scanLine(y);
    for (int x = 0; x < size.width(); ++x, pixel += 3) {
      const int64_t at = row * stride + 3 * wrapped(x - offset, period);
      pixel[0] = byte(at + 2);
      pixel[1] = byte(at + 1);
      pixel[2] = byte(at);
    }
  }
  return fill;
}

// What the engine would lay without the colour glyphs.
QImage titleFill(const DesignState& state, const PictureBuffer& mask, QSize size) {
  const Style& style = state.model.style();
  const TextureTile tile = textureTileFor(state);
  if (style.fillKind == FillKind::Gradient) return gradientFill(style, mask, size);
  if (tile.source == TileSource::TextureBuffer) return repeatedTexture(state, size, tile.offset);
  return plainFill(style, size);
}

// Each tile pixel takes the glyphs' mean over the density x density pixels
// it covers.
QImage glyphsPerTilePixel(const QImage& colourGlyphs, int32_t density) {
  if (density == 1) return colourGlyphs;
  const QSize covered(perDensity(colourGlyphs.width(), density),
                      perDensity(colourGlyphs.height(), density));
  QImage whole(covered * density, QImage::Format_ARGB32_Premultiplied);
  whole.fill(Qt::transparent);
  QPainter(&whole).drawImage(0, 0, colourGlyphs);
  return whole.scaled(covered, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The glyphs' own colours, whole, wherever they cover any of a tile pixel:
// the mask already softens their edges, and a colour mixed with the fill
// would ring them in it.
QImage opaqueGlyphColours(const QImage& glyphs) {
  QImage opaque = glyphs.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < opaque.height(); ++y) {
    auto* pixel = reinterpret_cast<QRgb*>(opaque.scanLine(y));
    for (int x = 0; x < opaque.width(); ++x)
      if (qAlpha(pixel[x]) > 0) pixel[x] |= 0xff000000u;
  }
  return opaque;
}

}  // namespace

QImage colourGlyphFill(const DesignState& state, const PictureBuffer& mask,
                       const QImage& colourGlyphs, int32_t density) {
  const int32_t scale = std::max(density, 1);
  const QSize size(perDensity(mask.width, scale) + 1, perDensity(mask.rows, scale));
  QImage fill = titleFill(state, mask, size).convertToFormat(QImage::Format_RGB32);
  QPainter(&fill).drawImage(0, 0, opaqueGlyphColours(glyphsPerTilePixel(colourGlyphs, scale)));
  return fill;
}
