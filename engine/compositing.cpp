// Paints the stored layers onto the output picture. Every output pixel is
// mapped back into a layer and the layer maps are sampled bilinearly; a
// slot's shadow darkens the picture before its layer is laid over it.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "coloured_blocks.h"
#include "draft_texels.h"
#include "layer_mapping.h"
#include "layer_steps.h"
#include "truncation.h"
#include "workers.h"

namespace velloro {
namespace {

// Mapped coordinates beyond this are far outside any layer (and safe to
// truncate).
constexpr double kFarAway = 1e9;

int64_t floorDivide(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return value % divisor != 0 && (value < 0) != (divisor < 0) ? quotient - 1 : quotient;
}

// Four neighbouring layer pixels with their bilinear weights, in the order
// (R, C), (R, C + 1), (R + 1, C), (R + 1, C + 1).
struct Sample {
  std::array<size_t, 4> cells;
  std::array<size_t, 4> colours;  // first (blue) colour entry
  std::array<double, 4> weights;  // the first `weighted` are set
  // Samples that carry weight. On a whole pixel only the first does, with
  // weight one; the others add exact zeros, so their terms are left out.
  size_t weighted;
};

// A background channel shaded by engraving `h` (0..1, one half neutral):
// darkened below one half, lightened above.
double engravedChannel(double h, double channel) {
  if (h < 0.5) return truncateToByte(2 * h * channel);
  if (h > 0.5) return truncateToByte(255 - 2 * (1 - h) * (255 - channel));
  return channel;
}

// engravedChannel for a sample of weight one, by the cell's engraving
// percent and the background level: the same sums, worked out once.
using EngravingTable = std::array<std::array<uint8_t, 256>, 256>;
const EngravingTable& wholePixelEngraving() {
  static const EngravingTable table = [] {
    EngravingTable levels;
    for (size_t percent = 0; percent < 256; ++percent) {
      const double h = 0 + 1.0 * static_cast<double>(percent) * 0.01;
      for (size_t level = 0; level < 256; ++level)
        levels[percent][level] =
            static_cast<uint8_t>(engravedChannel(h, static_cast<double>(level)));
    }
    return levels;
  }();
  return table;
}

// Where no sample is passed over by its blocks.
const ColouredBlocks kNoBlocks;

bool castsShadow(const LayerSlot& slot) {
  return slot.effectType == EffectType::DropShadow || slot.effectType == EffectType::CastShadow;
}

// An underlay's shadow is cast by the depth of an element whose colours it
// leaves empty, so its colours do not tell where it samples.
bool castsShadowAlone(const LayerSlot& slot) { return slot.outsideOnly && castsShadow(slot); }

// The part of the slot's region whose samples can change the picture: a
// sample at (R, C) reads rows R, R + 1 and columns C, C + 1, so it must reach
// a set colour entry (depth is set only where colour is). Engraving shades
// the whole region. Samples past a row's last column read the next row's
// first two columns, so content there keeps all columns.
Region sampledRegion(const LayerSlot& slot, const ContentBox& content) {
  Region sampled = slot.region;
  if (slot.effectType == EffectType::Engraved || castsShadowAlone(slot)) return sampled;
  sampled.startRow =
      static_cast<int32_t>(std::max<int64_t>(sampled.startRow, content.firstRow - 1));
  sampled.endRow = static_cast<int32_t>(std::min<int64_t>(sampled.endRow, content.lastRow + 1));
  if (content.firstColumn > 1) {
    sampled.startColumn =
        static_cast<int32_t>(std::max<int64_t>(sampled.startColumn, content.firstColumn - 1));
    sampled.endColumn =
        static_cast<int32_t>(std::min<int64_t>(sampled.endColumn, content.lastColumn));
  }
  return sampled;
}

// The slot's draft texels, made on the first frame of a drag that needs
// them and kept while its maps stay.
const DraftTexels& draftTexelsOf(LayerSlot& slot, const Region& sampled,
                                 const WorkerPolicy& workers) {
  if (!slot.draftTexels)
    slot.draftTexels = std::make_shared<const DraftTexels>(
        slot.maps, slot.maskStride, sampled, slot.effectType == EffectType::Engraved, workers);
  return *slot.draftTexels;
}

class SlotPainter {
 public:
  // Where deformed points are sampled without engraving, the coloured
  // blocks of the slot's `colours` (which must outlive the painter) pass
  // over empty samples.
  SlotPainter(LayerSlot& slot, ColourSummary& colours, const Region& sampled,
              const ActionArguments& args, const WorkerPolicy& workers, bool approximate)
      : slot_(slot),
        maps_(slot.maps),
        mapping_(slot, sampled, args.outputRows, args.outputStride / 3, approximate),
        output_(args.output),
        outputStride_(args.outputStride),
        width_(slot.maskStride / 3),
        castsShadow_(castsShadow(slot)),
        engraved_(slot.effectType == EffectType::Engraved),
        straight_(mapping_.straight() && !castsShadow_),
        approximate_(approximate),
        shadowStrength_(2 * (slot.effectAmount / 100.0)),
        blocks_(straight_ || engraved_ ? kNoBlocks : colours.blocks(maps_.colour, slot.maskStride)),
        draft_(laysDraftRows() ? &draftTexelsOf(slot, sampled, workers) : nullptr) {}

  // Whether the slot's maps hold anything to sample.
  bool paints() const {
    return !maps_.transparency.empty() && !maps_.depth.empty() && !maps_.engraving.empty() &&
           maps_.colour.size() >= 3;
  }
  // A copy of the mapping, for one worker's rows: it keeps the state of the
  // row it maps.
  LayerMapping mapping() const { return mapping_; }

  // Paints output row `i` through `mapping`. A pixel depends on itself
  // alone, so rows can be painted in any order and by any thread.
  void paintRow(LayerMapping& mapping, int32_t i) const {
    const int32_t columns = outputStride_ / 3;
    uint8_t* row = output_ + static_cast<size_t>(i) * outputStride_;
    const ColumnSpan span = mapping.startRow(i, columns);
    if (straight_) {
      if (span.first <= span.last) paintStraightRow(row, mapping, span);
      return;
    }
    if (draft_ != nullptr) {
      paintDraftRow(row, mapping, span);
      return;
    }
    Sample sample;
    for (int32_t j = span.first; j <= span.last; ++j) {
      uint8_t* pixel = row + 3 * static_cast<size_t>(j);
      const LayerPoint point = mapping.layerPoint(j);
      // Shadow and layer touch only this pixel, so running both
      // per pixel equals running the whole shadow pass first.
      if (castsShadow_) {
        const LayerPoint shadow = mapping.shadowPoint(point);
        if (locate(shadow, sample)) darken(pixel, sample, shadow.row);
      }
      layOverPoint(pixel, point, sample);
    }
  }

 private:
  // A drag's frame of a deformed layer without shadow.
  bool laysDraftRows() const { return approximate_ && !straight_ && !castsShadow_; }

  // The layer's sample at `point` laid over `pixel`, through `sample`.
  void layOverPoint(uint8_t* pixel, LayerPoint point, Sample& sample) const {
    if (!engraved_ && !mayColour(point)) return;
    if (!locate(point, sample)) return;
    if (sample.weighted == 1 && !engraved_) {
      layOverWhole(pixel, sample);
    } else {
      layOver(pixel, sample);
    }
  }

  // A draft's deformed row without shadow: its points lie on straight
  // lines over stretches of columns, so a stretch whose samples all fall in
  // blocks that change no pixel is passed over whole, and the others are
  // laid through the draft texels, point by point only where no line joins
  // them.
  void paintDraftRow(uint8_t* row, LayerMapping& mapping, ColumnSpan span) const {
    Sample sample;
    for (int32_t from = span.first; from <= span.last;) {
      const int32_t to = std::min(mapping.lineEnd(from), span.last);
      const std::optional<LayerLine> line = mapping.lineBetween(from, to);
      uint8_t* pixels = row + 3 * static_cast<size_t>(from);
      const bool passesBy = line && (draft_->passesBy(*line) || !draft_->mayChangeAlong(*line));
      if (!passesBy && !(line && draft_->layAlong(pixels, to - from + 1, *line))) {
        for (int32_t j = from; j <= to; ++j)
          layOverPoint(row + 3 * static_cast<size_t>(j), mapping.layerPoint(j), sample);
      }
      from = to + 1;
    }
  }

  // A row of an undeformed layer without shadow: every point is a whole
  // pixel, one layer row, its columns one for one, so each pixel is its one
  // sample laid over without the general mapping.
  void paintStraightRow(uint8_t* row, const LayerMapping& mapping, ColumnSpan span) const {
    const LayerPoint start = mapping.layerPoint(span.first);
    const Region& region = slot_.region;
    if (!(start.row >= region.startRow && start.row < region.endRow)) return;
    const int64_t r = static_cast<int64_t>(start.row);
    const int64_t shift = static_cast<int64_t>(start.column) - span.first;
    const int64_t first = std::max<int64_t>(span.first, region.startColumn - shift);
    const int64_t last = std::min<int64_t>(span.last, region.endColumn - shift);
    const int64_t stride = slot_.maskStride;
    const int64_t lastCell = static_cast<int64_t>(maps_.depth.size()) - 1;
    const int64_t lastColour = static_cast<int64_t>(maps_.colour.size()) - 3;
    // Up to `whole` every sample's four cells and colour entries lie inside
    // the maps (rows and columns of the region are never negative); past it
    // they are clamped.
    const int64_t whole = std::min({last, lastCell - width_ - 1 - r * width_ - shift,
                                    floorDivide(lastColour - stride - 3 - r * stride, 3) - shift});
    if (r >= 0 && first + shift >= 0) {
      if (engraved_) {
        engraveWholeRow(row, r, shift, first, whole);
      } else {
        blendWholeRow(row, r, shift, first, whole);
      }
    } else {
      clampedRow(row, r, shift, first, whole);
    }
    clampedRow(row, r, shift, std::max(first, whole + 1), last);
  }

  // Pixels first..last of a straight row whose samples lie inside the maps.
  void blendWholeRow(uint8_t* row, int64_t r, int64_t shift, int64_t first, int64_t last) const {
    const int64_t stride = slot_.maskStride;
    const int16_t* colours = maps_.colour.data();
    for (int64_t j = first; j <= last; ++j) {
      const int64_t c = j + shift;
      const int16_t* at = colours + r * stride + 3 * c;
      if (at[0] == kEmptyColour && at[3] == kEmptyColour && at[stride] == kEmptyColour &&
          at[stride + 3] == kEmptyColour) {
        continue;
      }
      blendWhole(row + 3 * j, static_cast<size_t>(r * width_ + c),
                 static_cast<size_t>(r * stride + 3 * c));
    }
  }

  void engraveWholeRow(uint8_t* row, int64_t r, int64_t shift, int64_t first, int64_t last) const {
    const int64_t stride = slot_.maskStride;
    for (int64_t j = first; j <= last; ++j) {
      const auto cell = static_cast<size_t>(r * width_ + j + shift);
      const auto colour = static_cast<size_t>(r * stride + 3 * (j + shift));
      if (leavesAlone(cell, colour)) continue;
      engraveWhole(row + 3 * j, cell, colour);
    }
  }

  // layOver for an engraved sample on a whole pixel: the background shaded
  // by the one weighted cell's engraving, read from the table of every
  // engraving and background level, then the one cell's blend over it.
  void engraveWhole(uint8_t* pixel, size_t cell, size_t colour) const {
    const std::array<uint8_t, 256>& shaded = wholePixelEngraving()[maps_.engraving[cell]];
    for (size_t channel = 0; channel < 3; ++channel) pixel[channel] = shaded[pixel[channel]];
    blendWhole(pixel, cell, colour);
  }

  // Whether an engraved whole-pixel sample leaves the background as it is:
  // neutral engraving (exactly one half) neither darkens nor lightens, and
  // an unset transparency over empty colour entries shows the background.
  bool leavesAlone(size_t cell, size_t colour) const {
    const auto& colours = maps_.colour;
    return maps_.engraving[cell] == kNeutralEngraving &&
           maps_.transparency[cell] == kUnsetTransparency && colours[colour] == kEmptyColour &&
           colours[colour + 1] == kEmptyColour && colours[colour + 2] == kEmptyColour;
  }

  // Pixels first..last of a straight row sampled through the general
  // lookup, which clamps samples next to the maps' ends.
  void clampedRow(uint8_t* row, int64_t r, int64_t shift, int64_t first, int64_t last) const {
    Sample sample;
    for (int64_t j = first; j <= last; ++j) {
      if (!locate({static_cast<double>(r), static_cast<double>(j + shift)}, sample)) continue;
      if (engraved_) {
        layOver(row + 3 * j, sample);
      } else {
        layOverWhole(row + 3 * j, sample);
      }
    }
  }

  // Without engraving, a sample of empty colour entries alone leaves the
  // pixel as it is; most of a turned or bent layer's rows are such gaps.
  bool mayColour(LayerPoint point) const {
    if (!(std::fabs(point.row) < kFarAway && std::fabs(point.column) < kFarAway)) return false;
    return blocks_.mayColour(static_cast<int64_t>(point.row), static_cast<int64_t>(point.column));
  }

  bool locate(LayerPoint point, Sample& sample) const {
    if (!(std::fabs(point.row) < kFarAway && std::fabs(point.column) < kFarAway)) return false;
    const int64_t r = static_cast<int64_t>(point.row);
    const int64_t c = static_cast<int64_t>(point.column);
    const Region& region = slot_.region;
    if (!(r < region.endRow && c <= region.endColumn && r >= region.startRow &&
          c >= region.startColumn)) {
      return false;
    }
    const double fr = point.row - static_cast<double>(r);
    const double fc = point.column - static_cast<double>(c);
    sample.weighted = fr == 0 && fc == 0 ? 1 : 4;
    if (sample.weighted == 1) {
      sample.weights[0] = 1;
    } else {
      sample.weights = {(1 - fr) * (1 - fc), (1 - fr) * fc, fr * (1 - fc), fr * fc};
    }
    const int64_t stride = slot_.maskStride;
    const int64_t lastCell = static_cast<int64_t>(maps_.depth.size()) - 1;
    const int64_t lastColour = static_cast<int64_t>(maps_.colour.size()) - 3;
    const int64_t cell = r * width_ + c;
    const int64_t colour = r * stride + 3 * c;
    if (cell >= 0 && cell + width_ + 1 <= lastCell && colour >= 0 &&
        colour + stride + 3 <= lastColour) {
      const auto at = [](int64_t index) { return static_cast<size_t>(index); };
      sample.cells = {at(cell), at(cell + 1), at(cell + width_), at(cell + width_ + 1)};
      sample.colours = {at(colour), at(colour + 3), at(colour + stride), at(colour + stride + 3)};
      return true;
    }
    // The sample one past the region lands on the maps' spare row and
    // column; anything further is clamped.
    for (int64_t k = 0; k < 4; ++k) {
      const int64_t sr = r + k / 2;
      const int64_t sc = c + k % 2;
      sample.cells[k] = static_cast<size_t>(std::clamp<int64_t>(sr * width_ + sc, 0, lastCell));
      sample.colours[k] =
          static_cast<size_t>(std::clamp<int64_t>(sr * stride + 3 * sc, 0, lastColour));
    }
    return true;
  }

  // The shadow under the layer's deep parts, fading along a cast shadow.
  void darken(uint8_t* pixel, const Sample& s, double mappedRow) const {
    const auto& depth = maps_.depth;
    if (depth[s.cells[0]] == 0 && depth[s.cells[1]] == 0 && depth[s.cells[2]] == 0 &&
        depth[s.cells[3]] == 0) {
      return;
    }
    double z = 0;
    for (size_t k = 0; k < s.weighted; ++k) z += s.weights[k] * (depth[s.cells[k]] / 255.0);
    double f = 1 - shadowStrength_ * std::min(std::pow(z, 0.6), 0.4);
    if (slot_.effectType == EffectType::CastShadow)
      f = 1 - (1 - f) * (1 - mappedRow / slot_.maskRows);
    if (std::isnan(f)) return;
    for (size_t k = 0; k < 3; ++k) pixel[k] = truncateToByte(pixel[k] * f);
  }

  void layOver(uint8_t* pixel, const Sample& s) const {
    if (!engraved_ && s.weighted == 4 && coversFully(s)) {
      if (approximate_) {
        blendCoveringInSteps(pixel, s);
      } else {
        blendCovering(pixel, s);
      }
      return;
    }
    std::array<double, 3> background{static_cast<double>(pixel[0]), static_cast<double>(pixel[1]),
                                     static_cast<double>(pixel[2])};
    if (engraved_) engrave(background, s);
    if (!engraved_ && !anyColoured(s)) return;
    if (showsBackground(s)) {
      for (size_t channel = 0; channel < 3; ++channel)
        pixel[channel] = truncateToByte(background[channel]);
      return;
    }

    std::array<double, 4> shares;  // transparency of each sample, 1 = background only
    for (size_t k = 0; k < s.weighted; ++k) shares[k] = maps_.transparency[s.cells[k]] * 0.01;
    for (size_t channel = 0; channel < 3; ++channel) {
      const double b = background[channel];
      double sum = 0;
      for (size_t k = 0; k < s.weighted; ++k) {
        const int16_t entry = maps_.colour[s.colours[k] + channel];
        const double c = entry == kEmptyColour ? b : entry;
        // 222 (unset) scales to 2.22: the layer covers fully.
        const double contribution = shares[k] >= 2 ? c : c * (1 - shares[k]) + b * shares[k];
        sum += s.weights[k] * contribution;
      }
      pixel[channel] = truncateToByte(std::min(sum, 255.0));
    }
  }

  // Whether all four weighted samples cover the background fully with set
  // colour entries, as inside the letters: the blend is then their colours'
  // weighted sum alone.
  bool coversFully(const Sample& s) const {
    for (size_t k = 0; k < 4; ++k) {
      if (maps_.transparency[s.cells[k]] * 0.01 < 2) return false;
      const int16_t* entry = maps_.colour.data() + s.colours[k];
      if (entry[0] == kEmptyColour || entry[1] == kEmptyColour || entry[2] == kEmptyColour)
        return false;
    }
    return true;
  }

  // layOver's sums for a sample that coversFully, term for term as there.
  void blendCovering(uint8_t* pixel, const Sample& s) const {
    for (size_t channel = 0; channel < 3; ++channel) {
      double sum = 0;
      for (size_t k = 0; k < 4; ++k) sum += s.weights[k] * maps_.colour[s.colours[k] + channel];
      pixel[channel] = truncateToByte(std::min(sum, 255.0));
    }
  }

  // blendCovering for a drag's frames: the weights in steps of 1/256, which
  // moves a channel by a level or two at most.
  void blendCoveringInSteps(uint8_t* pixel, const Sample& s) const {
    std::array<int32_t, 4> steps;
    for (size_t k = 0; k < 4; ++k) steps[k] = static_cast<int32_t>(s.weights[k] * 256 + 0.5);
    for (size_t channel = 0; channel < 3; ++channel) {
      int32_t sum = 0;
      for (size_t k = 0; k < 4; ++k) sum += steps[k] * maps_.colour[s.colours[k] + channel];
      pixel[channel] = static_cast<uint8_t>(std::clamp(sum >> 8, 0, 255));
    }
  }

  // layOver for a sample on a whole pixel without engraving: the one
  // weighted sample has weight exactly one, so the blend is that sample's
  // contribution alone; an empty and unset sample gives the background back.
  void layOverWhole(uint8_t* pixel, const Sample& s) const {
    if (anyColoured(s)) blendWhole(pixel, s.cells[0], s.colours[0]);
  }

  // The blend of one sample of weight one, at map cell `cell` and first
  // colour entry `colour`.
  void blendWhole(uint8_t* pixel, size_t cell, size_t colour) const {
    const double share = maps_.transparency[cell] * 0.01;
    if (share >= 2) {
      // The layer covers fully: a set entry clamped into a byte, the
      // background where the entry is empty.
      for (size_t channel = 0; channel < 3; ++channel) {
        const int16_t entry = maps_.colour[colour + channel];
        if (entry != kEmptyColour)
          pixel[channel] = static_cast<uint8_t>(std::clamp<int16_t>(entry, 0, 255));
      }
      return;
    }
    for (size_t channel = 0; channel < 3; ++channel) {
      const double b = pixel[channel];
      const int16_t entry = maps_.colour[colour + channel];
      const double c = entry == kEmptyColour ? b : entry;
      pixel[channel] = truncateToByte(std::min(c * (1 - share) + b * share, 255.0));
    }
  }

  // A whole pixel whose only weighted sample is empty and unset blends to
  // exactly the background.
  bool showsBackground(const Sample& s) const {
    if (s.weighted != 1 || maps_.transparency[s.cells[0]] * 0.01 < 2) return false;
    for (size_t channel = 0; channel < 3; ++channel) {
      if (maps_.colour[s.colours[0] + channel] != kEmptyColour) return false;
    }
    return true;
  }

  bool anyColoured(const Sample& s) const {
    for (size_t colour : s.colours) {
      if (maps_.colour[colour] != kEmptyColour) return true;
    }
    return false;
  }

  // Darkens (below one half) or lightens the background by the engraving.
  void engrave(std::array<double, 3>& background, const Sample& s) const {
    double h = 0;
    for (size_t k = 0; k < s.weighted; ++k) h += s.weights[k] * maps_.engraving[s.cells[k]] * 0.01;
    for (double& channel : background) channel = engravedChannel(h, channel);
  }

  const LayerSlot& slot_;
  const LayerMaps& maps_;
  LayerMapping mapping_;
  uint8_t* output_;
  int32_t outputStride_;
  int64_t width_;
  bool castsShadow_;
  bool engraved_;
  bool straight_;
  bool approximate_;              // a drag's frame: blends may round
  double shadowStrength_;         // 2 * amount / 100
  const ColouredBlocks& blocks_;  // only where deformed points are sampled
  const DraftTexels* draft_;      // only for a drag's deformed rows
};

// About the work of each output row: its copy (an eighth of a pixel's work
// per column), and a pixel for every column a layer may paint, many times
// more where a deformation maps each one. The
// rows a layer covers may lie anywhere, so an even split of the rows could
// leave one thread all of them.
std::vector<int64_t> rowWork(const std::vector<SlotPainter>& painters, int32_t rows,
                             int32_t columns, bool copied) {
  constexpr int64_t kPixel = 8;
  constexpr int64_t kMappedPixel = 16 * kPixel;
  std::vector<int64_t> work(static_cast<size_t>(std::max(rows, 0)), copied ? columns : 1);
  for (const SlotPainter& painter : painters) {
    LayerMapping mapping = painter.mapping();
    const int64_t perPixel = mapping.straight() ? kPixel : kMappedPixel;
    for (int32_t i = 0; i < rows; ++i)
      work[static_cast<size_t>(i)] += perPixel * mapping.likelyColumns(i, columns);
  }
  return work;
}

}  // namespace

void compositeSlots(LayerSlots& slots, const ActionArguments& args, const WorkerPolicy& workers,
                    const uint8_t* source, bool approximate) {
  if (args.output == nullptr || args.outputStride <= 0 || args.outputRows <= 0) return;
  std::vector<SlotPainter> painters;
  painters.reserve(LayerSlots::kCount);
  // Each slot's underlays are laid before it, the lowest first.
  for (const int32_t number : {2, 3, 1}) {
    for (int32_t underlay = kUnderlayCount; underlay >= 0; --underlay) {
      LayerSlot* slot = slots.find(number, underlay);
      if (slot == nullptr || !slot->valid) continue;
      if (!approximate) slot->draftTexels.reset();
      const ContentBox& content = slot->colours.content(slot->maps.colour, slot->maskStride);
      // A layer with nothing set changes no pixel, unless it engraves or
      // casts the shadow of an element it leaves out.
      if (content.empty() && slot->effectType != EffectType::Engraved && !castsShadowAlone(*slot))
        continue;
      SlotPainter painter(*slot, slot->colours, sampledRegion(*slot, content), args, workers,
                          approximate);
      if (painter.paints()) painters.push_back(std::move(painter));
    }
  }
  if (painters.empty() && source == nullptr) return;
  // Output rows are independent of each other, so they are split between
  // the workers; each row is copied and painted while it is in the cache.
  const size_t stride = static_cast<size_t>(args.outputStride);
  const int32_t rows = args.outputRows;
  const int32_t threads = partsFor(workers, static_cast<size_t>(rows) * (stride / 3));
  const int32_t parts = piecesFor(threads);
  const std::vector<int64_t> starts =
      threads > 1
          ? balancedStarts(
                rowWork(painters, rows, static_cast<int32_t>(stride / 3), source != nullptr), parts)
          : std::vector<int64_t>{0, rows};
  runPieces(parts, threads, [&](int32_t part) {
    std::vector<LayerMapping> mappings;
    for (const SlotPainter& painter : painters) mappings.push_back(painter.mapping());
    const auto endRow = static_cast<int32_t>(starts[static_cast<size_t>(part) + 1]);
    for (auto i = static_cast<int32_t>(starts[static_cast<size_t>(part)]); i < endRow; ++i) {
      workers.stopPoint();
      if (source != nullptr)
        std::memcpy(args.output + static_cast<size_t>(i) * stride,
                    source + static_cast<size_t>(i) * stride, stride);
      for (size_t k = 0; k < painters.size(); ++k) painters[k].paintRow(mappings[k], i);
    }
  });
}

}  // namespace velloro
