#include "design/design_state.h"

#include <QFile>
#include <cmath>

#include "files/temp_file.h"

void applyScreenMetrics(DesignState& state, double dotsPerInchX, double dotsPerInchY) {
  constexpr double twipsPerInch = 1440.0;
  state.layoutUnitX = int32_t(std::lround(twipsPerInch / dotsPerInchX));
  state.layoutUnitY = int32_t(std::lround(twipsPerInch / dotsPerInchY));
  state.fontScaleFactor = state.layoutUnitX / 15.0;
}

void createStartupWorkingFiles(WorkingFiles& files) {
  files.render = File().fullPath();
  files.canvas = File().fullPath();
}

void deleteWorkingFiles(const WorkingFiles& files) {
  for (const QString& path : files.all()) {
    if (!path.isEmpty()) QFile::remove(path);
  }
}
