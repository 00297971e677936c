// Maps output pixels back into a stored layer: placement offsets, the
// layer's deformation (rotation or bend along an arc) and the shadow
// transforms.
#pragma once

#include <cstdint>
#include <limits>

#include "layer_slots.h"

namespace velloro {

struct LayerPoint {
    double row;
    double column;
};

// Output columns first..last (inclusive; empty when first > last).
struct ColumnSpan {
    int32_t first;
    int32_t last;
};

// A point known to lie outside the layer; no pass samples it.
inline constexpr LayerPoint kNowhere{std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::quiet_NaN()};

class LayerMapping {
public:
    LayerMapping(const LayerSlot& slot, int32_t outputRows);

    // The layer point output pixel (row, column) shows, deformation
    // included; kNowhere when neither it nor its shadow can fall on the
    // layer's region.
    LayerPoint layerPoint(int32_t row, int32_t column) const {
        const double y = row + rowShift_;
        const double x = column - columnOffset_;
        switch (deformation_) {
            case kRotate: return rotated(y, x);
            case kCurve: return bent(y, x);
            default: return {y, x};
        }
    }

    // The layer point whose shadow falls where `deformed` lies.
    LayerPoint shadowPoint(LayerPoint deformed) const;

    // The columns of an output row, of `columns`, whose layer point or
    // shadow may fall on the layer's region; all others sample nothing.
    ColumnSpan reachableColumns(int32_t row, int32_t columns) const;

private:
    void boundReach(const LayerSlot& slot);
    ColumnSpan spanOfLayerColumns(double first, double last, int32_t columns) const;
    ColumnSpan turnedSpan(double y, int32_t columns) const;
    ColumnSpan bentSpan(double y, int32_t columns) const;
    LayerPoint rotated(double y, double x) const;
    LayerPoint bent(double y, double x) const;

    int32_t deformation_;  // after the neutral amounts are folded in
    int32_t effectType_;
    double rowShift_;      // output row to layer row
    double columnOffset_;
    double rows_;          // H_s
    double width_;         // W_s
    double centreRow_;
    double centreColumn_;
    double turn_ = 0;  // rotation angle added to a pixel's direction
    double turnCosine_ = 1;
    double turnSine_ = 0;
    // Bend along an arc around (arcRow_, centreColumn_).
    double curvature_ = 0;
    double arcScale_ = 0;  // |curvature|
    double arcRadius_ = 0;
    double arcRow_ = 0;
    // Shadows.
    double dropRow_ = 0;
    double dropColumn_ = 0;
    double castCosine_ = 1;
    double castSine_ = 0;
    double castExponent_ = 1;
    // Deformed points outside these bounds sample nothing, for the layer
    // nor its shadow, so their costly angles need not be worked out.
    double firstReachableRow_;
    double lastReachableRow_;
    double firstReachableColumn_;
    double lastReachableColumn_;
};

}  // namespace velloro
