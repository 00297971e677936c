// Feeds arbitrary bytes to the curve-file reader: it must give a curve whose
// positions rise within 0..255, or throw a Failure; a value line it cannot
// read is answered by the flat-curve warning.
#include <cstdlib>

#include "design/curve_file.h"
#include "desktop/scripted_platform.h"
#include "files/failure.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzzFileOf(data, size);
  ScriptedPlatform platform;
  try {
    const CurvePoints points = readCurveFile(path, platform);
    for (int i = 0; i + 1 < curvePointCount; ++i)
      if (points.x[i] >= points.x[i + 1]) std::abort();
    if (points.x.front() < 0 || points.x.back() > 255) std::abort();
  } catch (const Failure&) {
  }
  return 0;
}
