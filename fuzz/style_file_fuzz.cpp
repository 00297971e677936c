// Feeds arbitrary bytes to the style-file reader: it must give a style whose
// every setting lies in its range, which its own document reads back as the
// same style, or refuse with a StyleError.
#include <cstdlib>

#include "design/style_json.h"
#include "fuzz_file.h"

namespace {

using namespace velloro;

bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

bool colourInRange(const StyleColour& colour) {
  return within(colour.red, 0, 255) && within(colour.green, 0, 255) && within(colour.blue, 0, 255);
}

bool curveInRange(const Style& style) {
  for (int i = 0; i < styleCurvePoints; ++i) {
    if (!within(style.curvePositions[i], 0, 255) || !within(style.curveValues[i], 0, 255))
      return false;
    if (i > 0 && style.curvePositions[i] <= style.curvePositions[i - 1]) return false;
  }
  return true;
}

bool inRange(const Style& style) {
  if (!stackTaken(style.effects)) return false;
  return colourInRange(style.fillColour) &&
         within(toInt(style.surfacePattern), 0, toInt(SurfacePatternType::Ripples)) &&
         within(toInt(style.curveAxis), 0, toInt(CurveAxis::CentreToEdge)) &&
         within(toInt(style.material), 0, velloro::materialCount - 1) &&
         within(toInt(style.deformationType), 0, toInt(DeformationType::Curve)) &&
         within(style.deformationAmount, 0, 100) && curveInRange(style) &&
         style.font.pointSize >= 1 && style.font.pointSize <= 300;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Style base;
  try {
    const Style read = readStyleFile(fuzzFileOf(data, size), base);
    if (!inRange(read)) std::abort();
    if (readStyle(styleDocument(read, QString()), base) != read) std::abort();
  } catch (const StyleError&) {
  }
  return 0;
}
