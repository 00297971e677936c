// Relief geometry: the element's boundary, its smoothed sub-pixel points, and
// for every pixel of the processed region the nearest point, its squared
// distance and the averaged direction fields.
#pragma once

#include "render.h"

namespace velloro {

// Masks narrower than this many pixels have no columns to scan.
inline constexpr int32_t kMinimumMaskWidth = 4;

// Runs every geometry step on a render whose working arrays are allocated:
// the outline steps, which read the mask, the smoothing size and the slot,
// then those of the surroundings, which also read how far the outer effect
// reaches and which direction fields are needed. The direction fields of
// the background are worked out only when its light is read (by Raised),
// so those of the element alone do not depend on the reach.
void buildGeometry(Render& render);
void buildOutline(Render& render);
// After another reach of the outer effect: the background's distances
// anew, and unless `directionsKept` the direction fields.
void buildSurroundings(Render& render, bool directionsKept);

// Fills the mask's one-pixel gaps that the row scan of the same mask filled.
void fillRecordedGaps(Render& render);

// The steps, in the order buildGeometry runs them.
void scanRows(Render& render);
void scanColumns(Render& render);
void smoothBoundary(Geometry& geometry);
void buildPointGrid(Geometry& geometry);
void setProcessedRegion(Geometry& geometry, int32_t layerSlot);
// At a density above 1, the points the element's search finds: those of
// the outline of its design pixels (design_outline.cpp).
void placeDesignOutline(Render& render);
void computeDistances(Render& render);  // searchElement, then searchBackground
void searchElement(Render& render);
void searchBackground(Render& render);
// The background's search without limit, kept in the geometry, and the
// distances and nearest points to the current reach read from it, as
// searchBackground would find them.
void searchBackgroundEverywhere(Render& render);
void readBackgroundAtReach(Render& render);
// At a density above 1, the element's distances (and its deepest) and the
// background's moved to measure what density 1 measures
// (density_alignment.cpp).
void alignElementDistances(Render& render);
void alignBackgroundDistances(Render& render);
// Squared, fixed point: how near a background point must lie to be found
// by searchBackground; below 0 for none at all.
double backgroundLimit(const Render& render);
void computeDirectionFields(Render& render);
void averageDirectionFields(Render& render);

}  // namespace velloro
