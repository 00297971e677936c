#include "layer_mapping.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velloro {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int32_t kNeutralAmount = 50;
constexpr int32_t kLargestAmount = 100;

// 49 and 51 snap to the neutral middle of the slider.
int32_t snappedAmount(int32_t amount) {
  return amount == kNeutralAmount - 1 || amount == kNeutralAmount + 1 ? kNeutralAmount : amount;
}

// atan2 within about 1e-5 radians: an odd polynomial for the angle of the
// smaller over the larger component, turned into the right octant.
double quickAngle(double y, double x) {
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  const double larger = std::max(ax, ay);
  if (larger == 0) return 0;
  const double t = std::min(ax, ay) / larger;
  const double t2 = t * t;
  double angle =
      t * (0.99997726 +
           t2 * (-0.33262347 +
                 t2 * (0.19354346 + t2 * (-0.11643287 + t2 * (0.05265332 + t2 * -0.01172120)))));
  if (ay > ax) angle = kPi / 2 - angle;
  if (x < 0) angle = kPi - angle;
  return y < 0 ? -angle : angle;
}

int32_t floorHalf(int32_t value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

ColumnSpan unite(ColumnSpan a, ColumnSpan b) {
  if (a.first > a.last) return b;
  if (b.first > b.last) return a;
  return {std::min(a.first, b.first), std::max(a.last, b.last)};
}

}  // namespace

LayerMapping::LayerMapping(const LayerSlot& slot, const Region& sampled, int32_t outputRows,
                           int32_t outputColumns, bool approximate)
    : deformation_(slot.deformationType),
      approximate_(approximate),
      effectType_(slot.effectType),
      rowShift_(static_cast<double>(slot.rowOffset) + slot.maskRows - outputRows),
      columnOffset_(slot.columnOffset),
      rows_(slot.maskRows),
      width_(slot.maskStride / 3),
      centreRow_(slot.maskRows / 2),
      centreColumn_(slot.maskStride / 6) {
  const int32_t amount = snappedAmount(slot.deformationAmount);
  const bool deforms = deformation_ == DeformationType::Rotate ||
                       (deformation_ == DeformationType::Curve && amount != kNeutralAmount);
  if (!deforms) deformation_ = DeformationType::None;
  if (deformation_ == DeformationType::Rotate) {
    turn_ = (1 + 5 * std::floor(0.72 * amount) / 180) * kPi;
    turnCosine_ = std::cos(turn_);
    turnSine_ = std::sin(turn_);
  }
  if (deformation_ == DeformationType::Curve) {
    // Amounts beyond the slider's range bend as its nearest end does.
    curvature_ = 100.0 / (4 * floorHalf(std::clamp(amount, 0, kLargestAmount)) - 100);
    arcScale_ = std::fabs(curvature_);
    arcRadius_ = arcScale_ * centreColumn_ / kPi;
    arcRow_ = curvature_ >= 0 ? -arcRadius_ : rows_ + arcRadius_;
    // A layer narrower than a few steps is bent point by point.
    interpolatesBend_ = approximate_ && arcScale_ * width_ > 8 * kBendStep;
  }

  const int64_t rowsOfMask = slot.maskRows;
  dropRow_ = static_cast<double>((static_cast<int64_t>(slot.shadow2) - 50) * rowsOfMask) * 0.005;
  dropColumn_ = static_cast<double>((50 - static_cast<int64_t>(slot.shadow1)) * rowsOfMask) * 0.005;
  const double orientation =
      slot.deformationType == DeformationType::Rotate ? 3.6 * slot.shadow2 : slot.shadow2;
  const double castAngle = (1 + orientation / 180) * kPi;
  castCosine_ = std::cos(castAngle);
  castSine_ = std::sin(castAngle);
  castExponent_ = (170 - static_cast<double>(slot.shadow1)) / 100;
  castDensity_ = std::max(slot.density, 1);

  // A sample needs truncate(row) in startRow..endRow - 1 and
  // truncate(column) in startColumn..endColumn, so the point lies strictly
  // between one less than the start and one more than the end; one pixel
  // of slack more covers any rounding in the deformations.
  region_ = {sampled.startRow - 2.0, sampled.endRow + 1.0, sampled.startColumn - 2.0,
             sampled.endColumn + 2.0};
  reach_ = region_;
  if (effectType_ == EffectType::DropShadow) {
    reach_ = {std::min(region_.firstRow, region_.firstRow - dropRow_),
              std::max(region_.lastRow, region_.lastRow - dropRow_),
              std::min(region_.firstColumn, region_.firstColumn - dropColumn_),
              std::max(region_.lastColumn, region_.lastColumn - dropColumn_)};
  }
  if (effectType_ == EffectType::CastShadow) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    reach_ = {-kInfinity, kInfinity, -kInfinity, kInfinity};
  }
  if (interpolatesBend_) bendOnGrid(outputRows, outputColumns);
}

// Between grid rows a bent point strays from the line joining those above
// and below it by about kBendStep^2 / 8 over the distance from the arc's
// centre, which the layer keeps at least its radius away: from this radius
// on, well within a tenth of a pixel.
void LayerMapping::bendOnGrid(int32_t outputRows, int32_t outputColumns) {
  constexpr double kSmallestRadius = 128;
  constexpr int64_t kLargestGrid = int64_t{1} << 22;
  if (arcRadius_ < kSmallestRadius || outputRows <= 0 || outputColumns <= 0) return;
  constexpr double kSlack = 2;
  const double outer =
      (curvature_ >= 0 ? reach_.lastRow + arcRadius_ : arcRadius_ + rows_ - reach_.firstRow) +
      kSlack;
  // The output rows and layer columns within the circle beyond which the
  // layer's rows end, and one step more on every side.
  const double firstRow = std::max(arcRow_ - outer - rowShift_, 0.0);
  const double lastRow = std::min(arcRow_ + outer - rowShift_, outputRows - 1.0);
  const double firstColumn = std::max(centreColumn_ - outer, -columnOffset_);
  const double lastColumn = std::min(centreColumn_ + outer, outputColumns - 1 - columnOffset_);
  if (!(firstRow <= lastRow && firstColumn <= lastColumn)) return;
  gridFirstRow_ = kBendStep * std::floor(firstRow / kBendStep);
  gridFirstColumn_ = kBendStep * std::floor(firstColumn / kBendStep);
  gridRows_ = static_cast<int64_t>((lastRow - gridFirstRow_) / kBendStep) + 2;
  gridColumns_ = static_cast<int64_t>((lastColumn - gridFirstColumn_) / kBendStep) + 3;
  if (gridRows_ * gridColumns_ > kLargestGrid) return;
  auto grid = std::make_shared<std::vector<LayerPoint>>();
  grid->reserve(static_cast<size_t>(gridRows_ * gridColumns_));
  for (int64_t k = 0; k < gridRows_; ++k) {
    const double y = gridFirstRow_ + kBendStep * static_cast<double>(k) + rowShift_;
    for (int64_t m = 0; m < gridColumns_; ++m)
      grid->push_back(bentAnywhere(y, gridFirstColumn_ + kBendStep * static_cast<double>(m)));
  }
  bendGrid_ = std::move(grid);
}

ColumnSpan LayerMapping::startRow(int32_t row, int32_t columns) {
  rowY_ = row + rowShift_;
  anchorX_ = std::numeric_limits<double>::quiet_NaN();
  if (bendGrid_) {
    const double step = (row - gridFirstRow_) / kBendStep;
    const double above = std::floor(step);
    gridRow_ =
        above >= 0 && above + 1 < static_cast<double>(gridRows_) ? static_cast<int64_t>(above) : -1;
    gridBelow_ = step - above;
  }
  switch (deformation_) {
    case DeformationType::Rotate: {
      const LayerPoint first = rotated(rowY_, 0);
      turnedRow_ = first.row;
      turnedColumn_ = first.column;
      return turnedSpan(columns);
    }
    case DeformationType::Curve:
      return interpolatesBend_ ? narrowedBentSpan(bentSpan(columns)) : bentSpan(columns);
    default: return straightSpan(columns);
  }
}

int64_t LayerMapping::likelyColumns(int32_t row, int32_t columns) {
  const auto length = [](ColumnSpan span) { return int64_t{span.last} - span.first + 1; };
  if (!interpolatesBend_) return std::max<int64_t>(length(startRow(row, columns)), 0);
  rowY_ = row + rowShift_;
  // The layer's rows lie on a ring around the arc's centre: the row's chord
  // of the outer circle less that of the inner one.
  constexpr double kSlack = 2;
  const double inner =
      (curvature_ >= 0 ? reach_.firstRow + arcRadius_ : arcRadius_ + rows_ - reach_.lastRow) -
      kSlack;
  const int64_t outside = std::max<int64_t>(length(bentSpan(columns)), 0);
  if (!(inner > 0)) return outside;
  return std::max<int64_t>(outside - std::max<int64_t>(length(chordWithin(inner, columns)), 0), 0);
}

// Undeformed, the layer and each shadow cover one stretch of the row.
ColumnSpan LayerMapping::straightSpan(int32_t columns) {
  constexpr ColumnSpan kNone{0, -1};
  const auto shifted = [&](double shadowRow, double columnShift) {
    if (!region_.holdsRow(shadowRow)) return kNone;
    return spanOfLayerColumns(region_.firstColumn - columnShift, region_.lastColumn - columnShift,
                              columns);
  };
  ColumnSpan span = shifted(rowY_, 0);
  if (effectType_ == EffectType::DropShadow)
    span = unite(span, shifted(rowY_ + dropRow_, dropColumn_));
  if (effectType_ == EffectType::CastShadow) {
    const double length = -rowY_ / castCosine_;
    castRow_ = castRowOf(length);
    castShift_ = length * castSine_;
    span = unite(span, shifted(castRow_, castShift_));
  }
  return span;
}

// Output columns whose undeformed layer column lies in first..last.
ColumnSpan LayerMapping::spanOfLayerColumns(double first, double last, int32_t columns) const {
  const double from = std::max(std::floor(first + columnOffset_), 0.0);
  const double to = std::min(std::ceil(last + columnOffset_), columns - 1.0);
  if (!(from <= to)) return {0, -1};
  return {static_cast<int32_t>(from), static_cast<int32_t>(to)};
}

// Turning maps the reachable box back onto a turned box; on an output row
// that is one interval of columns, from the two pairs of parallel sides.
ColumnSpan LayerMapping::turnedSpan(int32_t columns) const {
  constexpr double kSlack = 2;
  const double dy = rowY_ - centreRow_;
  const double cosine = turnCosine_;
  const double sine = turnSine_;
  // Layer row = centreRow - dy cos + dx sin; layer column = centreColumn - dx cos - dy sin.
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  const auto within = [&](double factor, double from, double to) {
    from -= kSlack;
    to += kSlack;
    if (std::fabs(factor) < 1e-9) {
      if (!(from < 0 && 0 < to)) low = high;  // nothing on this row
      return;
    }
    const double a = from / factor;
    const double b = to / factor;
    low = std::max(low, std::min(a, b));
    high = std::min(high, std::max(a, b));
  };
  within(sine, reach_.firstRow - centreRow_ + dy * cosine,
         reach_.lastRow - centreRow_ + dy * cosine);
  within(-cosine, reach_.firstColumn - centreColumn_ + dy * sine,
         reach_.lastColumn - centreColumn_ + dy * sine);
  if (!(low < high)) return {0, -1};
  return spanOfLayerColumns(centreColumn_ + low, centreColumn_ + high, columns);
}

// Within the circle around the arc's centre beyond which the layer row
// leaves the reachable rows.
ColumnSpan LayerMapping::bentSpan(int32_t columns) const {
  constexpr double kSlack = 2;
  const double outer =
      (curvature_ >= 0 ? reach_.lastRow + arcRadius_ : arcRadius_ + rows_ - reach_.firstRow) +
      kSlack;
  return chordWithin(outer, columns);
}

// The current row's columns within `radius` of the arc's centre.
ColumnSpan LayerMapping::chordWithin(double radius, int32_t columns) const {
  const double dy = rowY_ - arcRow_;
  if (!(std::fabs(dy) <= radius)) return {0, -1};
  const double half = std::sqrt(radius * radius - dy * dy);
  return spanOfLayerColumns(centreColumn_ - half, centreColumn_ + half, columns);
}

// The stretch of `span` whose worked-out bent points, and the lines between
// them, come near the reachable box: for all but the tightest arcs far less
// than the circle's chord.
ColumnSpan LayerMapping::narrowedBentSpan(ColumnSpan span) {
  stepPoints_.clear();
  if (span.first > span.last) return span;
  constexpr double kSlack = 2;
  const auto nearReach = [&](LayerPoint a, LayerPoint b) {
    // Where the arc's ends meet, the line between the points is no guide.
    if (std::fabs(b.column - a.column) > arcScale_ * width_ / 2) return true;
    return std::max(a.row, b.row) > reach_.firstRow - kSlack &&
           std::min(a.row, b.row) < reach_.lastRow + kSlack &&
           std::max(a.column, b.column) > reach_.firstColumn - kSlack &&
           std::min(a.column, b.column) < reach_.lastColumn + kSlack;
  };
  const double end = span.last - columnOffset_;
  double x = kBendStep * std::floor((span.first - columnOffset_) / kBendStep);
  double first = std::numeric_limits<double>::infinity();
  double last = -first;
  LayerPoint start = bentStep(x);
  stepPointsFrom_ = x;
  stepPoints_.push_back(start);
  for (; x <= end; x += kBendStep) {
    const LayerPoint next = bentStep(x + kBendStep);
    stepPoints_.push_back(next);
    if (nearReach(start, next)) {
      first = std::min(first, x);
      last = x + kBendStep;
    }
    start = next;
  }
  if (!(first <= last)) return {0, -1};
  return {std::max(span.first, static_cast<int32_t>(first + columnOffset_)),
          std::min(span.last, static_cast<int32_t>(last + columnOffset_))};
}

std::optional<LayerLine> LayerMapping::lineBetween(int32_t from, int32_t to) const {
  const double first = from - columnOffset_;
  const double last = to - columnOffset_;
  if (deformation_ == DeformationType::Rotate && approximate_)
    return LayerLine{layerPoint(from), layerPoint(to)};
  if (deformation_ != DeformationType::Curve || !interpolatesBend_) return std::nullopt;
  if (!(first >= anchorX_ && first < anchorX_ + kBendStep)) moveAnchors(first);
  if (!anchorsJoin_ || !(last < anchorX_ + kBendStep)) return std::nullopt;
  const auto along = [&](double x) {
    const double t = (x - anchorX_) * (1 / kBendStep);
    return LayerPoint{anchorRow_ + t * rowStep_, anchorColumn_ + t * columnStep_};
  };
  return LayerLine{along(first), along(last)};
}

LayerPoint LayerMapping::rotated(double y, double x) const {
  const double dx = x - centreColumn_;
  const double dy = y - centreRow_;
  // A turn is linear: the same point without an angle and root per pixel
  // (layerPoint works a draft's points out from the row's first).
  if (approximate_)
    return {centreRow_ - dy * turnCosine_ + dx * turnSine_,
            centreColumn_ - dx * turnCosine_ - dy * turnSine_};
  const double radius = std::sqrt(dx * dx + dy * dy);
  const double angle = std::atan2(centreColumn_ - x, centreRow_ - y) + turn_;
  return {centreRow_ + radius * std::cos(angle), centreColumn_ + radius * std::sin(angle)};
}

LayerPoint LayerMapping::bent(double y, double x) const {
  const double layerRow = bentRow(y, x);
  if (!reach_.holdsRow(layerRow)) return kNowhere;
  return {layerRow, bentColumn(y, x)};
}

// Along a row the bend changes slowly: the points of every kBendStep-th
// column are worked out and those between them lie on the straight line
// joining them, well within a tenth of a pixel at the tightest arc.
void LayerMapping::moveAnchors(double x) const {
  const double from = kBendStep * std::floor(x / kBendStep);
  const LayerPoint start = from == anchorX_ + kBendStep ? anchorEnd_ : bentStepPoint(from);
  anchorEnd_ = bentStepPoint(from + kBendStep);
  anchorX_ = from;
  anchorRow_ = start.row;
  anchorColumn_ = start.column;
  rowStep_ = anchorEnd_.row - start.row;
  columnStep_ = anchorEnd_.column - start.column;
  // Where the arc's ends meet, the column jumps by a whole turn: no line.
  anchorsJoin_ = std::fabs(columnStep_) <= arcScale_ * width_ / 2;
}

// The bent point of worked-out layer column `x` of the current row, as the
// narrowing found it where it did.
LayerPoint LayerMapping::bentStepPoint(double x) const {
  const double step = (x - stepPointsFrom_) / kBendStep;
  if (step >= 0 && step < static_cast<double>(stepPoints_.size()))
    return stepPoints_[static_cast<size_t>(step)];
  return bentStep(x);
}

// The bent point of layer column `x`, a multiple of kBendStep, on the
// current row: from the grid where it reaches.
LayerPoint LayerMapping::bentStep(double x) const {
  const double column = (x - gridFirstColumn_) / kBendStep;
  if (gridRow_ < 0 || !(column >= 0 && column < static_cast<double>(gridColumns_)))
    return bentAnywhere(rowY_, x);
  const LayerPoint* above =
      bendGrid_->data() + gridRow_ * gridColumns_ + static_cast<int64_t>(column);
  const LayerPoint below = above[gridColumns_];
  // Where the arc's ends meet between the grid rows, the column jumps.
  if (!(std::fabs(below.column - above->column) <= arcScale_ * width_ / 2))
    return bentAnywhere(rowY_, x);
  return {above->row + gridBelow_ * (below.row - above->row),
          above->column + gridBelow_ * (below.column - above->column)};
}

// The bent point of any output point, whether the layer reaches it or not.
LayerPoint LayerMapping::bentAnywhere(double y, double x) const {
  return {bentRow(y, x), bentColumn(y, x)};
}

// The layer row depends on the distance from the arc's centre alone.
double LayerMapping::bentRow(double y, double x) const {
  const double dx = x - centreColumn_;
  const double dy = y - arcRow_;
  const double radius = std::sqrt(dx * dx + dy * dy);
  return curvature_ >= 0 ? radius - arcRadius_ : arcRadius_ + rows_ - radius;
}

double LayerMapping::bentColumn(double y, double x) const {
  const double angle = approximate_ ? quickAngle(centreColumn_ - x, arcRow_ - y)
                                    : std::atan2(centreColumn_ - x, arcRow_ - y);
  double along = (angle + kPi) / (2 * kPi);
  if (curvature_ >= 0) {
    along += 0.5 / curvature_;
    if (along > 1) along -= 1;
  } else {
    along = 1 - along - (1 - 1 / arcScale_) / 2;
    if (along < 0) along = 1 - along;
  }
  return arcScale_ * along * width_;
}

LayerPoint LayerMapping::shadowPoint(LayerPoint deformed) const {
  if (effectType_ == EffectType::DropShadow)
    return {deformed.row + dropRow_, deformed.column + dropColumn_};
  if (deformation_ == DeformationType::None) return {castRow_, deformed.column + castShift_};
  const double length = -deformed.row / castCosine_;
  return {castRowOf(length), deformed.column + length * castSine_};
}

// The shadow's length grows by a power of the distance in design pixels.
double LayerMapping::castRowOf(double length) const {
  return castDensity_ * std::pow(length / castDensity_, castExponent_);
}

}  // namespace velloro
