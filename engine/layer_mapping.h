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

private:
    void boundReach(const LayerSlot& slot);
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
    // Deformed points beyond these bounds sample nothing, for the layer nor
    // its shadow, so their costly angles need not be worked out.
    double firstReachableRow_;
    double lastReachableRow_;
    double farthestReachableRadius_;  // from the turning centre
};

}  // namespace velloro
