#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "design/screen_scale.h"

void placeFixedWindow(QWidget& window, const ScreenScale& scale, int layoutWidth, int layoutHeight,
                      int extraTwips) {
  const int width = scale.width(layoutWidth);
  const int height = scale.height(layoutHeight);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  window.setFixedSize(width, height);
  window.move(screen.x() + (screen.width() - width) / 2,
              screen.y() + (screen.height() - height) / 3 + extraTwips / scale.layoutUnitY);
}
