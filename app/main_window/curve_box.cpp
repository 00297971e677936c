#include "main_window/curve_box.h"

#include <QAction>
#include <QMenu>

#include "design/curve_drawing.h"
#include "design/curve_file.h"
#include "design/design_state.h"
#include "main_window/curve_editor.h"
#include "main_window/ignore_failures.h"
#include "main_window/panel_building.h"
#include "widgets/picture_box.h"

namespace {

// Arrow key steps in points: a curve point is hit within three pixels.
constexpr int curveKeyStep = 2;

}  // namespace

CurveBox::CurveBox(const PanelContext& context, QWidget& panel)
    : QObject(&panel), context_(context) {
  QImage box(142, 66, QImage::Format_RGB888);
  box.fill(Qt::white);
  view_ = pictureBox(&panel, QStringLiteral("PicBezier"), box, {380, 6});
  describeView();
  connectView();
  context_.design.model.listen([this](Setting setting) {
    if (setting == Setting::CurvePositions || setting == Setting::CurveValues) draw();
  });
}

void CurveBox::describeView() {
  describeSetting(view_, Setting::CurvePositions);
  view_->takeKeyboardPointer(curveKeyStep, true);
}

// A curve point lands where it is dropped; the preview follows after.
void CurveBox::connectView() {
  connect(view_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { pressed(button, at); });
  connect(view_, &PictureBox::mouseMoved, this, &CurveBox::moved);
  connect(view_, &PictureBox::mouseReleased, this,
          [this](Qt::MouseButton button, Qt::MouseButtons, QPoint at) { released(button, at); });
  connect(view_, &PictureBox::mouseReleased, this, &CurveBox::settingChanged);
}

void CurveBox::attach(const CurveMenu& menu) {
  menu_ = menu;
  connect(menu_.reset, &QAction::triggered, this, &CurveBox::reset);
  connect(menu_.save, &QAction::triggered, this, &CurveBox::saveAs);
  connect(menu_.load, &QAction::triggered, this, &CurveBox::loadFile);
  for (QAction* entry : {menu_.reset, menu_.load})
    connect(entry, &QAction::triggered, this, &CurveBox::settingChanged);
}

void CurveBox::draw() {
  QImage box = view_->picture();
  const CurvePoints curve = curvePoints(context_.design.model.style());
  drawCurveFrame(box, curve, view_->palette().color(QPalette::Window), view_->font());
  plotCurve(box, curve);
  view_->setPicture(box);
}

void CurveBox::pressed(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton) {
      menu_.menu->popup(view_->mapToGlobal(at));
      return;
    }
    pickedPoint_ = hitCurvePoint(curvePoints(context_.design.model.style()), at);
  });
}

void CurveBox::moved(Qt::MouseButtons buttons, QPoint at) {
  ignoreFailures([&] {
    context_.window.showStatus(curveReadout(at));
    if (hitCurvePoint(curvePoints(context_.design.model.style()), at))
      view_->setCursor(Qt::SizeAllCursor);
    else if (buttons == Qt::NoButton)
      view_->setCursor(Qt::ArrowCursor);
  });
}

// The right button's release belongs to the popup menu, not to the point
// picked by the last left press.
void CurveBox::released(Qt::MouseButton button, QPoint at) {
  ignoreFailures([&] {
    if (button == Qt::RightButton || !pickedPoint_) return;
    CurvePoints curve = curvePoints(context_.design.model.style());
    releaseCurvePoint(curve, *pickedPoint_, at);
    setCurve(context_.design.model, curve);
  });
}

void CurveBox::reset() {
  ignoreFailures([this] {
    CurvePoints curve = curvePoints(context_.design.model.style());
    if (loadCurve(curve, QStringLiteral("default.txt"), context_.curvesFolder(), context_.platform))
      setCurve(context_.design.model, curve);
  });
}

void CurveBox::saveAs() {
  ignoreFailures([this] {
    saveCurve(curvePoints(context_.design.model.style()), {}, context_.curvesFolder(),
              context_.platform);
  });
}

void CurveBox::loadFile() {
  ignoreFailures([this] {
    CurvePoints curve = curvePoints(context_.design.model.style());
    if (loadCurve(curve, {}, context_.curvesFolder(), context_.platform))
      setCurve(context_.design.model, curve);
  });
}
