// Panning the optimiser's preview when it is larger than its viewport: with
// the scroll bars, or by dragging the preview itself.
#include <QScrollBar>
#include <algorithm>

#include "files/site_tags.h"
#include "output/jpeg_optimiser.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/picture_box.h"

namespace {

// Adds the drag's movement to a shown bar; false when that would leave the
// bar's range, so the drag starts over from where the pointer is.
bool follow(QScrollBar* bar, int movement) {
  if (bar->isHidden()) return true;
  const int value = bar->value() + movement;
  if (value < 0 || value > bar->maximum()) return false;
  bar->setValue(value);
  return true;
}

void fit(QScrollBar* bar, int excess) {
  bar->setMaximum(std::max(excess, 0));
  bar->setVisible(excess > 0);
}

}  // namespace

void JpegOptimiser::fitScrollBars() {
  fit(horizontalScroll_, previewBox_->width() - viewport_->width());
  fit(verticalScroll_, previewBox_->height() - viewport_->height());
}

void JpegOptimiser::scrolled() {
  const bool horizontal = sender() == horizontalScroll_;
  runTrapped(platform_,
             horizontal ? siteTag::frmJPG_HScroll1_Change : siteTag::frmJPG_VScroll1_Change,
             [this] { previewBox_->move(-horizontalScroll_->value(), -verticalScroll_->value()); });
}

void JpegOptimiser::previewPressed(QPoint at) {
  runTrapped(platform_, siteTag::frmJPG_Picture1_MouseDown, [this, at] {
    if (horizontalScroll_->isHidden() && verticalScroll_->isHidden()) return;
    previewBox_->setCursor(Qt::ClosedHandCursor);
    panStart_ = at;
  });
}

// `at` is in preview pixels: as the preview follows the drag, the point under
// the pointer stays the start point.
void JpegOptimiser::previewMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmJPG_Picture1_MouseMove, [this, buttons, at] {
    if (!(buttons & Qt::LeftButton)) return;
    if (horizontalScroll_->isHidden() && verticalScroll_->isHidden()) return;
    if (!follow(horizontalScroll_, panStart_.x() - at.x())) panStart_.setX(at.x());
    if (!follow(verticalScroll_, panStart_.y() - at.y())) panStart_.setY(at.y());
  });
}

void JpegOptimiser::previewReleased() {
  runTrapped(platform_, siteTag::frmJPG_Picture1_MouseUp, [this] { previewBox_->unsetCursor(); });
}
