// Maps output pixels back into a stored layer: placement offsets, the
// layer's deformation (rotation or bend along an arc) and the shadow
// transforms.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "layer_slots.h"

namespace velloro {

struct LayerPoint {
  double row;
  double column;
};

// A point known to lie outside the layer; no pass samples it.
inline constexpr LayerPoint kNowhere{std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::quiet_NaN()};

// The layer points of two columns of a row.
struct LayerLine {
  LayerPoint first;
  LayerPoint last;
};

// Output columns first..last (inclusive; empty when first > last).
struct ColumnSpan {
  int32_t first;
  int32_t last;
};

// Layer points strictly inside these bounds.
struct LayerBounds {
  double firstRow;
  double lastRow;
  double firstColumn;
  double lastColumn;

  bool holdsRow(double row) const { return row > firstRow && row < lastRow; }
};

// Output rows are mapped one at a time: startRow, then the columns of the
// span it returns.
class LayerMapping {
 public:
  // `sampled`: the part of the slot's region whose samples can change a
  // pixel; points mapped elsewhere are skipped.
  // `approximate`: turns and bends by faster approximations, for the
  // frames of a drag.
  LayerMapping(const LayerSlot& slot, const Region& sampled, int32_t outputRows,
               int32_t outputColumns, bool approximate);

  // Starts output row `row` and returns its columns, of `columns`, whose
  // layer point or shadow may fall on the layer's region; no other column
  // samples anything.
  ColumnSpan startRow(int32_t row, int32_t columns);

  // About how many columns of output row `row` startRow would return, found
  // without narrowing a drag's bend, which would cost about as much as
  // mapping the row; for sharing rows out.
  int64_t likelyColumns(int32_t row, int32_t columns);

  // The layer point that column `column` of the row shows, deformation
  // included; kNowhere when neither it nor its shadow can fall on the
  // layer's region.
  LayerPoint layerPoint(int32_t column) const {
    const double x = column - columnOffset_;
    switch (deformation_) {
      case DeformationType::Rotate:
        // A turn is linear: a draft's point is the row's first plus a step.
        if (approximate_) return {turnedRow_ + x * turnSine_, turnedColumn_ - x * turnCosine_};
        return rotated(rowY_, x);
      case DeformationType::Curve: return interpolatesBend_ ? bentBetween(x) : bent(rowY_, x);
      default: return {rowY_, x};
    }
  }

  // The last column of the stretch from `column` over which a draft's
  // points may lie on one straight line: a stretch starts every
  // kBendStep-th layer column.
  int32_t lineEnd(int32_t column) const {
    const double x = column - columnOffset_;
    return static_cast<int32_t>(kBendStep * std::floor(x / kBendStep) + kBendStep - 1 +
                                columnOffset_);
  }

  // For a draft: the points of columns `from` and `to` of the current row,
  // within one stretch, whether or not the layer reaches them, when the
  // points of the columns between lie on the line joining them; nothing
  // otherwise.
  std::optional<LayerLine> lineBetween(int32_t from, int32_t to) const;

  // Whether layer points are output pixels shifted by whole pixels.
  bool straight() const { return deformation_ == DeformationType::None; }

  // The layer point whose shadow falls where `deformed`, a point of the
  // current row, lies.
  LayerPoint shadowPoint(LayerPoint deformed) const;

 private:
  double castRowOf(double length) const;
  ColumnSpan straightSpan(int32_t columns);
  ColumnSpan turnedSpan(int32_t columns) const;
  ColumnSpan bentSpan(int32_t columns) const;
  ColumnSpan narrowedBentSpan(ColumnSpan span);
  ColumnSpan chordWithin(double radius, int32_t columns) const;
  ColumnSpan spanOfLayerColumns(double first, double last, int32_t columns) const;
  LayerPoint rotated(double y, double x) const;
  LayerPoint bent(double y, double x) const;
  // A bent point of the current row from the worked-out points around it.
  LayerPoint bentBetween(double x) const {
    if (!(x >= anchorX_ && x < anchorX_ + kBendStep)) moveAnchors(x);
    if (!anchorsJoin_) return bent(rowY_, x);
    const double t = (x - anchorX_) * (1 / kBendStep);
    const double row = anchorRow_ + t * rowStep_;
    if (!reach_.holdsRow(row)) return kNowhere;
    return {row, anchorColumn_ + t * columnStep_};
  }
  void moveAnchors(double x) const;
  void bendOnGrid(int32_t outputRows, int32_t outputColumns);
  LayerPoint bentStep(double x) const;
  LayerPoint bentAnywhere(double y, double x) const;
  LayerPoint bentStepPoint(double x) const;
  double bentRow(double y, double x) const;
  double bentColumn(double y, double x) const;

  // Columns apart of the bend's worked-out points in a drag's frames.
  static constexpr double kBendStep = 8;

  DeformationType deformation_;  // after the neutral amounts are folded in
  bool approximate_;
  EffectType effectType_;
  double rowShift_;  // output row to layer row
  double columnOffset_;
  double rows_;   // H_s
  double width_;  // W_s
  double centreRow_;
  double centreColumn_;
  double turn_ = 0;  // rotation angle added to a pixel's direction
  double turnCosine_ = 1;
  double turnSine_ = 0;
  // A draft's turned point of layer column 0 on the current row.
  double turnedRow_ = 0;
  double turnedColumn_ = 0;
  // Bend along an arc around (arcRow_, centreColumn_).
  double curvature_ = 0;
  double arcScale_ = 0;  // |curvature|
  double arcRadius_ = 0;
  double arcRow_ = 0;
  bool interpolatesBend_ = false;
  // The worked-out points around the column last bent, at output columns
  // anchorX_ and anchorX_ + kBendStep of the current row (none: NaN). Kept
  // from one column to the next, which layerPoint leaves const.
  mutable double anchorX_ = std::numeric_limits<double>::quiet_NaN();
  mutable LayerPoint anchorEnd_{};
  mutable double anchorRow_ = 0;
  mutable double anchorColumn_ = 0;
  mutable double rowStep_ = 0;
  mutable double columnStep_ = 0;
  mutable bool anchorsJoin_ = false;
  // The current row's worked-out points from layer column stepPointsFrom_
  // on, every kBendStep columns, as the narrowing of its span found them.
  std::vector<LayerPoint> stepPoints_;
  double stepPointsFrom_ = 0;
  // A drag's bent points of every kBendStep-th layer column on every
  // kBendStep-th output row from gridFirstRow_ on, worked out once for the
  // frame and shared by the mapping's copies: the points of a row are
  // found on the straight line between those of the grid rows around it.
  std::shared_ptr<const std::vector<LayerPoint>> bendGrid_;
  double gridFirstRow_ = 0;
  double gridFirstColumn_ = 0;  // a layer column
  int64_t gridRows_ = 0;
  int64_t gridColumns_ = 0;
  // The current row's grid row above it and its share of the one below.
  int64_t gridRow_ = -1;
  double gridBelow_ = 0;
  // Shadows.
  double dropRow_ = 0;
  double dropColumn_ = 0;
  double castCosine_ = 1;
  double castSine_ = 0;
  double castExponent_ = 1;
  double castDensity_ = 1;
  // Points that sample the region, and deformed points whose layer point
  // or shadow may: outside those the costly angles need not be worked out.
  LayerBounds region_;
  LayerBounds reach_;
  // The current row; without deformation its cast shadow is the same for
  // every column but for a shift.
  double rowY_ = 0;
  double castRow_ = 0;
  double castShift_ = 0;
};

}  // namespace velloro
