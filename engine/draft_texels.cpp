#include "draft_texels.h"

#include <algorithm>
#include <cmath>

namespace velloro {
namespace {

// A sample's weights in steps of 1/128 of a pixel: four 16-bit lanes of a
// texel, each at most 256, times 128 still fit their lane, so one 64-bit
// multiply weighs all four at once.
constexpr int kFractionBits = 7;
constexpr uint64_t kWhole = uint64_t{1} << kFractionBits;
constexpr uint64_t kFractionMask = kWhole - 1;
// Nine bits a lane: a lane of a weighed sum brought back to its scale.
constexpr uint64_t kLanes = 0x01FF01FF01FF01FF;
constexpr int kKeepLane = 48;
constexpr uint64_t kLaneMask = 0xFFFF;
// All of the background shows, in 1/256.
constexpr uint64_t kAllBackground = 256;
constexpr uint64_t kEmptyTexel = kAllBackground << kKeepLane;
// Walked points lie within this many pixels of the cells' corner, so that
// their fixed point, shifted to be positive, is floored by a shift.
constexpr int64_t kFarthestWhole = int64_t{1} << 20;
constexpr double kFarthest = static_cast<double>(kFarthestWhole);
// Points are walked in steps of 1/2^16 of a pixel, which over a stretch
// of columns add up to far less than a weight's step.
constexpr int kPointBits = 16;
constexpr double kPointScale = 1 << kPointBits;

// The exact blend of a set entry with share s of background is
// c (1 - s) + b s, or c alone where the transparency is unset (s >= 2); of
// an empty entry, b. A cell counts as set when all three entries are: the
// shading sets them together. Transparencies are percents up to 100, or
// the unset 222.
uint64_t texelOf(uint8_t transparency, const int16_t* entry) {
  if (entry[0] == kEmptyColour) return kEmptyTexel;
  if (entry[1] == kEmptyColour || entry[2] == kEmptyColour) return kEmptyTexel;
  constexpr uint32_t kUnsetFrom = 200;
  const uint32_t percent = transparency;
  const uint64_t shows =
      percent >= kUnsetFrom ? 0 : (std::min(percent, 100u) * kAllBackground + 50) / 100;
  uint64_t texel = shows << kKeepLane;
  for (int channel = 0; channel < 3; ++channel) {
    const uint64_t colour = static_cast<uint64_t>(std::clamp<int16_t>(entry[channel], 0, 255));
    texel |= ((colour * (kAllBackground - shows) + kAllBackground / 2) >> 8) << (16 * channel);
  }
  return texel;
}

// Both texels weighed against each other by `fraction` of kWhole, brought
// back to their own scale.
uint64_t between(uint64_t a, uint64_t b, uint64_t fraction) {
  return ((a * (kWhole - fraction) + b * fraction) >> kFractionBits) & kLanes;
}

// The first step from `start` by `step` that is not negative, and the last
// not beyond `last` (-1 for none).
int64_t firstInside(int64_t start, int64_t step) {
  return start >= 0 ? 0 : (step - 1 - start) / step;
}
int64_t lastInside(int64_t start, int64_t step, int64_t last) {
  return last < start ? -1 : (last - start) / step;
}

}  // namespace

DraftTexels::DraftTexels(const LayerMaps& maps, int64_t stride, const Region& sampled,
                         bool engraves, const WorkerPolicy& workers) {
  const int64_t rows = int64_t{sampled.endRow} - sampled.startRow;
  const int64_t columns = int64_t{sampled.endColumn} - sampled.startColumn + 1;
  if (stride < 3 || maps.transparency.empty() || maps.colour.size() < 3 || rows <= 0 ||
      columns <= 0)
    return;
  firstRow_ = sampled.startRow;
  firstColumn_ = sampled.startColumn;
  rows_ = rows;
  columns_ = columns;
  across_ = columns + 1;
  texels_.resize(static_cast<size_t>((rows + 1) * across_));
  if (engraves && !maps.engraving.empty()) engraving_.resize(texels_.size());
  const int32_t threads = partsFor(workers, texels_.size());
  const int32_t parts = piecesFor(threads);
  runPieces(parts, threads, [&](int32_t part) {
    workers.stopPoint();
    const int64_t end = partStart(rows + 1, part + 1, parts);
    for (int64_t i = partStart(rows + 1, part, parts); i < end; ++i) makeRow(maps, stride, i);
  });
  const int64_t blockRows = ((rows_ - 1) >> kBlockShift) + 1;
  blockColumns_ = ((columns_ - 1) >> kBlockShift) + 1;
  std::vector<uint8_t> changing(static_cast<size_t>(blockRows * blockColumns_));
  runPieces(parts, threads, [&](int32_t part) {
    workers.stopPoint();
    const int64_t end = partStart(blockRows, part + 1, parts);
    for (int64_t r = partStart(blockRows, part, parts); r < end; ++r) markBlockRow(r, changing);
  });
  countChangingBlocks(changing);
}

// Texel row `i`: within the maps the row's cells are read in place; only
// its ends may need clamping, as the exact blend clamps them.
void DraftTexels::makeRow(const LayerMaps& maps, int64_t stride, int64_t i) {
  const int64_t width = stride / 3;
  const int64_t lastCell = static_cast<int64_t>(maps.transparency.size()) - 1;
  const int64_t lastColour = static_cast<int64_t>(maps.colour.size()) - 3;
  const int64_t cell = (firstRow_ + i) * width + firstColumn_;
  const int64_t colour = (firstRow_ + i) * stride + 3 * firstColumn_;
  uint64_t* texels = texels_.data() + i * across_;
  const int64_t from =
      std::clamp(std::max(firstInside(cell, 1), firstInside(colour, 3)), int64_t{0}, across_);
  const int64_t to =
      std::clamp(std::min(lastInside(cell, 1, lastCell), lastInside(colour, 3, lastColour)) + 1,
                 from, across_);
  const auto clamped = [&](int64_t j) {
    texels[j] =
        texelOf(maps.transparency[static_cast<size_t>(std::clamp(cell + j, int64_t{0}, lastCell))],
                maps.colour.data() + std::clamp(colour + 3 * j, int64_t{0}, lastColour));
  };
  for (int64_t j = 0; j < from; ++j) clamped(j);
  const uint8_t* transparency = maps.transparency.data() + (cell + from);
  const int16_t* entries = maps.colour.data() + (colour + 3 * from);
  for (int64_t j = 0; j < to - from; ++j)
    texels[from + j] = texelOf(transparency[j], entries + 3 * j);
  for (int64_t j = to; j < across_; ++j) clamped(j);
  if (engraving_.empty()) return;
  // The engraving map has a cell for each transparency cell.
  const int64_t lastShade = static_cast<int64_t>(maps.engraving.size()) - 1;
  uint8_t* engraving = engraving_.data() + i * across_;
  for (int64_t j = 0; j < across_; ++j)
    engraving[j] = maps.engraving[static_cast<size_t>(std::clamp(cell + j, int64_t{0}, lastShade))];
}

bool DraftTexels::cellChanges(int64_t texel) const {
  const auto at = static_cast<size_t>(texel);
  return texels_[at] != kEmptyTexel || (!engraving_.empty() && engraving_[at] != kNeutralEngraving);
}

// Marks the blocks of block row `blockRow` whose samples read a texel
// that changes a pixel: a texel is read by the samples starting at it and
// at the row and column before.
void DraftTexels::markBlockRow(int64_t blockRow, std::vector<uint8_t>& changing) const {
  uint8_t* blocks = changing.data() + blockRow * blockColumns_;
  const int64_t firstTexelRow = blockRow << kBlockShift;
  const int64_t lastTexelRow = std::min(firstTexelRow + (int64_t{1} << kBlockShift), rows_);
  for (int64_t i = firstTexelRow; i <= lastTexelRow; ++i) {
    for (int64_t j = 0; j < across_; ++j) {
      if (!cellChanges(i * across_ + j)) continue;
      blocks[std::max<int64_t>(j - 1, 0) >> kBlockShift] = 1;
      blocks[std::min(j, columns_ - 1) >> kBlockShift] = 1;
    }
  }
}

void DraftTexels::countChangingBlocks(const std::vector<uint8_t>& changing) {
  const int64_t blockRows = static_cast<int64_t>(changing.size()) / blockColumns_;
  const int64_t corners = blockColumns_ + 1;
  changingBefore_.assign(static_cast<size_t>((blockRows + 1) * corners), 0);
  for (int64_t r = 0; r < blockRows; ++r) {
    int32_t inRow = 0;
    for (int64_t c = 0; c < blockColumns_; ++c) {
      inRow += changing[static_cast<size_t>(r * blockColumns_ + c)];
      changingBefore_[static_cast<size_t>((r + 1) * corners + c + 1)] =
          changingBefore_[static_cast<size_t>(r * corners + c + 1)] + inRow;
    }
  }
}

bool DraftTexels::layAlong(uint8_t* pixels, int32_t count, const LayerLine& line) const {
  const double row = line.first.row - static_cast<double>(firstRow_);
  const double column = line.first.column - static_cast<double>(firstColumn_);
  const double lastRow = line.last.row - static_cast<double>(firstRow_);
  const double lastColumn = line.last.column - static_cast<double>(firstColumn_);
  if (!(std::fabs(row) < kFarthest && std::fabs(column) < kFarthest &&
        std::fabs(lastRow) < kFarthest && std::fabs(lastColumn) < kFarthest))
    return false;
  if (texels_.empty()) return true;
  // The points in fixed point of kPointBits, shifted to be positive.
  const double steps = count > 1 ? count - 1 : 1;
  // Truncated: a step's fraction of 1/2^16 of a pixel is lost at most.
  const auto fixed = [](double at) { return static_cast<int64_t>((at + kFarthest) * kPointScale); };
  int64_t rowAt = fixed(row);
  int64_t columnAt = fixed(column);
  const auto step = [&](double from, double to) {
    return static_cast<int64_t>((to - from) / steps * kPointScale);
  };
  const int64_t rowStep = step(row, lastRow);
  const int64_t columnStep = step(column, lastColumn);
  for (int32_t k = 0; k < count; ++k, rowAt += rowStep, columnAt += columnStep)
    layPixel(pixels + 3 * static_cast<size_t>(k), rowAt, columnAt);
  return true;
}

bool DraftTexels::passesBy(const LayerLine& line) const {
  const double top = static_cast<double>(firstRow_);
  const double left = static_cast<double>(firstColumn_);
  const double bottom = top + static_cast<double>(rows_);
  const double right = left + static_cast<double>(columns_);
  const auto [firstRow, lastRow] = std::minmax(line.first.row, line.last.row);
  const auto [firstColumn, lastColumn] = std::minmax(line.first.column, line.last.column);
  return texels_.empty() || lastRow < top || firstRow >= bottom || lastColumn < left ||
         firstColumn >= right;
}

bool DraftTexels::mayChangeAlong(const LayerLine& line) const {
  if (texels_.empty()) return false;
  const auto [firstRow, lastRow] = std::minmax(line.first.row, line.last.row);
  const auto [firstColumn, lastColumn] = std::minmax(line.first.column, line.last.column);
  if (!(std::fabs(firstRow) < kFarthest && std::fabs(lastRow) < kFarthest &&
        std::fabs(firstColumn) < kFarthest && std::fabs(lastColumn) < kFarthest))
    return true;
  // Sample starts one cell either side too: a walked point may stray
  // across a cell's edge by its rounding.
  const auto startsFrom = [](double at, int64_t first) {
    return static_cast<int64_t>(std::floor(at)) - first - 1;
  };
  const int64_t top = std::max<int64_t>(startsFrom(firstRow, firstRow_), 0);
  const int64_t bottom = std::min(startsFrom(lastRow, firstRow_) + 2, rows_ - 1);
  const int64_t left = std::max<int64_t>(startsFrom(firstColumn, firstColumn_), 0);
  const int64_t right = std::min(startsFrom(lastColumn, firstColumn_) + 2, columns_ - 1);
  if (top > bottom || left > right) return false;
  const int64_t corners = blockColumns_ + 1;
  const auto before = [&](int64_t blockRow, int64_t blockColumn) {
    return changingBefore_[static_cast<size_t>(blockRow * corners + blockColumn)];
  };
  const int64_t r0 = top >> kBlockShift;
  const int64_t r1 = (bottom >> kBlockShift) + 1;
  const int64_t c0 = left >> kBlockShift;
  const int64_t c1 = (right >> kBlockShift) + 1;
  return before(r1, c1) - before(r0, c1) - before(r1, c0) + before(r0, c0) > 0;
}

// `row` and `column` in fixed point of kPointBits from kFarthest pixels
// before the cells' corner.
void DraftTexels::layPixel(uint8_t* pixel, int64_t row, int64_t column) const {
  const int64_t r = (row >> kPointBits) - kFarthestWhole;
  const int64_t c = (column >> kPointBits) - kFarthestWhole;
  if (static_cast<uint64_t>(r) >= static_cast<uint64_t>(rows_) ||
      static_cast<uint64_t>(c) >= static_cast<uint64_t>(columns_))
    return;
  const int64_t at = r * across_ + c;
  const uint64_t* texel = texels_.data() + at;
  const uint64_t topLeft = texel[0];
  const uint64_t topRight = texel[1];
  const uint64_t bottomLeft = texel[across_];
  const uint64_t bottomRight = texel[across_ + 1];
  constexpr int kToWeight = kPointBits - kFractionBits;
  const uint64_t right = static_cast<uint64_t>(column >> kToWeight) & kFractionMask;
  const uint64_t down = static_cast<uint64_t>(row >> kToWeight) & kFractionMask;
  if (!engraving_.empty()) shade(pixel, engraving_.data() + at, right, down);
  // Four empty cells give the background back.
  if ((topLeft & topRight & bottomLeft & bottomRight) == kEmptyTexel) return;
  const uint64_t top = between(topLeft, topRight, right);
  const uint64_t bottom = between(bottomLeft, bottomRight, right);
  // Each lane now its weighed value times kWhole, which at most 255 of
  // colour and all of the background bring back into a byte.
  const uint64_t weighed = top * (kWhole - down) + bottom * down;
  const uint64_t keep = weighed >> kKeepLane;
  for (int channel = 0; channel < 3; ++channel) {
    const uint64_t colour = (weighed >> (16 * channel)) & kLaneMask;
    pixel[channel] = static_cast<uint8_t>((colour * kAllBackground + pixel[channel] * keep) >>
                                          (kFractionBits + 8));
  }
}

// The background under the sample darkened (below one half) or lightened
// by the engraving of its four cells, weighed by `right` and `down` of
// kWhole: as the exact shading, but for the weights' rounding.
void DraftTexels::shade(uint8_t* pixel, const uint8_t* engraving, uint64_t right,
                        uint64_t down) const {
  const uint64_t top = engraving[0] * (kWhole - right) + engraving[1] * right;
  const uint64_t bottom = engraving[across_] * (kWhole - right) + engraving[across_ + 1] * right;
  // The shading in percent times kWhole squared.
  const uint64_t shading = top * (kWhole - down) + bottom * down;
  constexpr uint64_t kHalf = uint64_t{kNeutralEngraving} * kWhole * kWhole;
  if (shading == kHalf) return;
  for (int channel = 0; channel < 3; ++channel) {
    const uint64_t background = pixel[channel];
    if (shading < kHalf) {
      pixel[channel] = static_cast<uint8_t>(background * shading / kHalf);
    } else if (shading >= 2 * kHalf) {
      pixel[channel] = 255;
    } else {
      const uint64_t lightened = ((2 * kHalf - shading) * (255 - background) + kHalf - 1) / kHalf;
      pixel[channel] = static_cast<uint8_t>(255 - lightened);
    }
  }
}

}  // namespace velloro
