// The profile curve editor: a point is picked by a press and lands where
// the button is released; the pointer's curve coordinates show in the
// status bar. A right press opens the popup menu to reset, save or load.
#include <QLabel>
#include <QMenu>

#include "design/curve_file.h"
#include "design/design_state.h"
#include "main_window/design_panels.h"
#include "main_window/ignore_failures.h"
#include "main_window/tab_panels.h"
#include "platform/platform.h"

void DesignPanels::curveBoxPressed(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) {
      curveMenu_.menu->popup(panels_.curveView()->mapToGlobal(at));
      return;
    }
    selectedCurvePoint_ = hitCurvePoint(curvePoints(design_.model.style()), at);
  });
}

void DesignPanels::curveBoxMoved(Qt::MouseButtons buttons, QPoint at) {
  ignoreFailures([&] {
    window_.showStatus(curveReadout(at));
    if (hitCurvePoint(curvePoints(design_.model.style()), at))
      panels_.curveView()->setCursor(Qt::SizeAllCursor);
    else if (buttons == Qt::NoButton)
      panels_.curveView()->setCursor(Qt::ArrowCursor);
  });
}

// The right button's release belongs to the popup menu, not to the point
// picked by the last left press.
void DesignPanels::curveBoxReleased(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) return;
    if (!selectedCurvePoint_) return;
    CurvePoints curve = curvePoints(design_.model.style());
    releaseCurvePoint(curve, *selectedCurvePoint_, at);
    setCurve(design_.model, curve);
  });
}

void DesignPanels::resetCurve() {
  ignoreFailures([this] {
    CurvePoints curve = curvePoints(design_.model.style());
    if (loadCurve(curve, QStringLiteral("default.txt"), curvesFolder(), platform_))
      setCurve(design_.model, curve);
  });
}

void DesignPanels::saveCurveAs() {
  ignoreFailures(
      [this] { saveCurve(curvePoints(design_.model.style()), {}, curvesFolder(), platform_); });
}

void DesignPanels::loadCurveFile() {
  ignoreFailures([this] {
    CurvePoints curve = curvePoints(design_.model.style());
    if (loadCurve(curve, {}, curvesFolder(), platform_)) setCurve(design_.model, curve);
  });
}
