// Maps output pixels back into a stored layer: placement offsets, the
// layer's deformation (rotation or bend along an arc) and the shadow
// transforms.
#pragma once

#include <cstdint>

#include "layer_slots.h"

namespace velloro {

struct LayerPoint {
    double row;
    double column;
};

class LayerMapping {
public:
    LayerMapping(const LayerSlot& slot, int32_t outputRows);

    // The layer point output pixel (row, column) shows, deformation included.
    LayerPoint layerPoint(int32_t row, int32_t column) const;
    // The layer point whose shadow falls where `deformed` lies.
    LayerPoint shadowPoint(LayerPoint deformed) const;

private:
    LayerPoint rotated(double y, double x) const;
    LayerPoint bent(double y, double x) const;

    int32_t deformation_;  // after the neutral amounts are folded in
    int32_t effectType_;
    double rowShift_;       // output row to layer row
    double columnOffset_;
    double rows_;           // H_s
    double width_;          // W_s
    double centreRow_;
    double centreColumn_;
    double turn_ = 0;       // rotation angle added to a pixel's direction
    // Bend along an arc around (arcRow_, centreColumn_).
    double curvature_ = 0;
    double arcScale_ = 0;   // |curvature|
    double arcRadius_ = 0;
    double arcRow_ = 0;
    // Shadows.
    double dropRow_ = 0;
    double dropColumn_ = 0;
    double castCosine_ = 1;
    double castSine_ = 0;
    double castExponent_ = 1;
};

}  // namespace velloro
