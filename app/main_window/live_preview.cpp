#include "main_window/live_preview.h"

#include <QAction>
#include <QScopedValueRollback>

#include "platform/program_settings.h"

namespace {

const char* const settingKey = "Options/LivePreview";

}  // namespace

LivePreview::LivePreview(std::function<void()> redraw, QObject* parent)
    : QObject(parent),
      redraw_(std::move(redraw)),
      enabled_(programSettings().value(QLatin1String(settingKey), true).toBool()) {
  pending_.setSingleShot(true);
  pending_.setInterval(0);
  connect(&pending_, &QTimer::timeout, this, &LivePreview::renderLatest);
  rest_.setSingleShot(true);
  rest_.setInterval(restMilliseconds);
  connect(&rest_, &QTimer::timeout, this, &LivePreview::renderAtRest);
}

void LivePreview::attachToggle(QAction* toggle) {
  toggle_ = toggle;
  toggle->setCheckable(true);
  toggle->setChecked(enabled_);
  connect(toggle, &QAction::toggled, this, &LivePreview::setEnabled);
}

void LivePreview::setEnabled(bool on) {
  enabled_ = on;
  if (toggle_) toggle_->setChecked(on);
  if (!on) {
    pending_.stop();
    rest_.stop();
  }
  QSettings settings = programSettings();
  settings.setValue(QLatin1String(settingKey), on);
}

void LivePreview::settingChanged() {
  if (!enabled_ || !drawn_) return;
  rest_.stop();
  if (!pending_.isActive()) pending_.start();
}

// The redraw reads every setting when it runs, so one render covers all the
// changes made since the timer started.
void LivePreview::renderLatest() {
  if (!enabled_ || !drawn_) return;
  {
    const QScopedValueRollback<bool> rendering(rendering_, true);
    redraw_();
  }
  rest_.start();
  emit redrawn();
}

void LivePreview::renderAtRest() {
  if (!enabled_ || !drawn_) return;
  {
    const QScopedValueRollback<bool> rendering(rendering_, true);
    const QScopedValueRollback<bool> atRest(atRest_, true);
    redraw_();
  }
  emit redrawn();
}
