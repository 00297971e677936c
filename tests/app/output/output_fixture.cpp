#include "output_fixture.h"

#include "state/design_state.h"

void OutputTest::SetUp() {
  auto scripted = std::make_unique<ScriptedPlatform>();
  seam = scripted.get();
  usePlatform(std::move(scripted));
  design() = DesignState{};
}

QImage OutputTest::relief(QSize size) {
  QImage picture(size, QImage::Format_RGB888);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
  return picture;
}
