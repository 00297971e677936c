// The reach limit of an outer effect is at most 1000 square design pixels
// (150 for Raised); Engraved and Raised stop at their own reach, that limit times the
// amount in percent, while the other effects paint up to the limit itself.
// Margins cover rounding: a pixel read by an effect is never left out.
#include "effect_reach.h"

#include <algorithm>
#include <cmath>

namespace velloro {
namespace {

constexpr double kLargestReach2 = 1000.0;
constexpr double kLargestRaisedReach2 = 150.0;

double withMargin(double reach) { return reach * 1.01 + 1; }

// A denser render's background distances are read (density - 1) / 2 pixels
// nearer than searched (density_alignment.cpp).
double searchedReach(double reach, int32_t density) { return reach + (density - 1) * 0.5; }

double amountOf(const ActionArguments& args) { return std::max(args.effectAmount, 0) / 100.0; }

}  // namespace

double backgroundLightReach(const ActionArguments& args) {
  if (args.effectType != EffectType::Raised || args.effectAmount == 0) return -1;
  return searchedReach(withMargin(std::sqrt(kLargestRaisedReach2 * amountOf(args)) * args.density),
                       args.density);
}

double outerEffectReach(const ActionArguments& args) {
  if (!isOuterEffect(args.effectType) || args.effectAmount == 0) return -1;
  // Raised also reads the light of the pixels around those it paints.
  if (args.effectType == EffectType::Raised)
    return backgroundLightReach(args) + lightWindowReach(args.density);
  if (args.effectType == EffectType::Engraved)
    return searchedReach(withMargin(std::sqrt(kLargestReach2 * amountOf(args)) * args.density),
                         args.density);
  return searchedReach(withMargin(std::sqrt(kLargestReach2) * args.density), args.density);
}

}  // namespace velloro
