// The profile curve editor: a point is picked by a press and lands where
// the button is released; the pointer's curve coordinates show in the
// status bar. A right press opens the popup menu to reset, save or load.
#include <QLabel>
#include <QMenu>

#include "main_window/ignore_failures.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/curve_file.h"
#include "state/design_state.h"

void MainWindow::curveBoxPressed(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) {
      menu(QStringLiteral("mnubezier"))->popup(panels_->curveView()->mapToGlobal(at));
      return;
    }
    selectedCurvePoint_ = hitCurvePoint(design().curve, at);
  });
}

void MainWindow::curveBoxMoved(Qt::MouseButtons buttons, QPoint at) {
  ignoreFailures([&] {
    statusPanes_[0]->setText(curveReadout(at));
    if (hitCurvePoint(design().curve, at) != noCurvePoint)
      panels_->curveView()->setCursor(Qt::SizeAllCursor);
    else if (buttons == Qt::NoButton)
      panels_->curveView()->setCursor(Qt::ArrowCursor);
  });
}

// The right button's release belongs to the popup menu, not to the point
// picked by the last left press.
void MainWindow::curveBoxReleased(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) return;
    if (selectedCurvePoint_ < 1 || selectedCurvePoint_ > curvePointCount) return;
    releaseCurvePoint(design().curve, selectedCurvePoint_, at);
    drawCurveBox();
  });
}

void MainWindow::resetCurve() {
  ignoreFailures([this] {
    if (loadCurve(design().curve, QStringLiteral("default.txt"), curvesFolder(), platform()))
      drawCurveBox();
  });
}

void MainWindow::saveCurveAs() {
  ignoreFailures([this] { saveCurve(design().curve, {}, curvesFolder(), platform()); });
}

void MainWindow::loadCurveFile() {
  ignoreFailures([this] {
    if (loadCurve(design().curve, {}, curvesFolder(), platform())) drawCurveBox();
  });
}
