#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "state/design_state.h"

void placeFixedWindow(QWidget& window, int layoutWidth, int layoutHeight, int extraTwips) {
  const DesignState& state = design();
  const int width = layoutWidth * state.layoutUnitX / 15;
  const int height = layoutHeight * state.layoutUnitY / 15;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  window.setFixedSize(width, height);
  window.move(screen.x() + (screen.width() - width) / 2,
              screen.y() + (screen.height() - height) / 3 + extraTwips / state.layoutUnitY);
}
