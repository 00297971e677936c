// The profile curve editor: a point is picked by a press and lands where
// the button is released; the pointer's curve coordinates show in the
// status bar. A right press opens the popup menu to reset, save or load.
#include <QLabel>
#include <QMenu>

#include "main_window/frm_main.h"
#include "main_window/ignore_failures.h"
#include "platform/platform.h"
#include "state/curve_file.h"
#include "state/design_state.h"

void FrmMain::curveBoxPressed(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) {
      menu(QStringLiteral("mnubezier"))->popup(panels_->curveView()->mapToGlobal(at));
      return;
    }
    selectedCurvePoint_ = hitCurvePoint(design().curve, at);
  });
}

void FrmMain::curveBoxMoved(Qt::MouseButtons buttons, QPoint at) {
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
void FrmMain::curveBoxReleased(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) return;
    if (selectedCurvePoint_ < 1 || selectedCurvePoint_ > curvePointCount) return;
    releaseCurvePoint(design().curve, selectedCurvePoint_, at);
    drawCurveBox();
  });
}

void FrmMain::resetCurve() {
  ignoreFailures([this] {
    if (loadCurve(design().curve, QStringLiteral("default.txt"), curvesFolder(), platform()))
      drawCurveBox();
  });
}

void FrmMain::saveCurveAs() {
  ignoreFailures([this] { saveCurve(design().curve, {}, curvesFolder(), platform()); });
}

void FrmMain::loadCurveFile() {
  ignoreFailures([this] {
    if (loadCurve(design().curve, {}, curvesFolder(), platform())) drawCurveBox();
  });
}
