#include "widgets/control_fonts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "files/site_tags.h"
#include "platform/error_report.h"
#include "widgets/track_slider.h"

namespace {

bool hasScaledFont(const QWidget* control) {
  return qobject_cast<const QLabel*>(control) || qobject_cast<const QLineEdit*>(control) ||
         qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QComboBox*>(control) ||
         qobject_cast<const TrackSlider*>(control);
}

}  // namespace

void adjustControlFonts(QWidget& window, double factor, Platform& platform) {
  if (factor == 1.0) return;
  runTrapped(platform, siteTag::AdjustControlFonts, [&] {
    for (QWidget* control : window.findChildren<QWidget*>()) {
      // Parts of a control (a list's edit box, a slider's thumb) inherit its font.
      if (!hasScaledFont(control) || hasScaledFont(control->parentWidget())) continue;
      QFont font = control->font();
      font.setPointSizeF(font.pointSizeF() * factor);
      control->setFont(font);
    }
  });
}
