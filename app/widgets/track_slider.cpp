#include "widgets/track_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "design/rounding.h"

namespace {

constexpr int thumbWidth = 8;
constexpr int thumbHeight = 13;
constexpr int thumbTop = 2;

}  // namespace

TrackSlider::TrackSlider(QWidget* parent) : QWidget(parent), thumb_(new QPushButton(this)) {
  thumb_->setObjectName(QStringLiteral("Cd1"));
  thumb_->setFocusPolicy(Qt::NoFocus);
  thumb_->setAccessibleName(QStringLiteral("Slider position"));
  // The thumb only shows the position: presses on it go to the track.
  thumb_->setAttribute(Qt::WA_TransparentForMouseEvents);
  thumb_->setGeometry(0, thumbTop, thumbWidth, thumbHeight);
  setMinimumHeight(thumbTop + thumbHeight + 2);
  // Tab reaches it; a click leaves the focus where the user typed.
  setFocusPolicy(Qt::TabFocus);
}

QSize TrackSlider::sizeHint() const { return {100, thumbTop + thumbHeight + 2}; }

void TrackSlider::setValue(int value) {
  value_ = value;
  repositionThumb();
}

void TrackSlider::setMin(int min) {
  min_ = min;
  repositionThumb();
}

void TrackSlider::setMax(int max) {
  max_ = max;
  repositionThumb();
}

// The width counts in even pixels, so that the thumb's half lands on a pixel.
int TrackSlider::trackWidth() const { return width() & ~1; }

std::optional<int> TrackSlider::valueAt(int x) const {
  const int w = trackWidth();
  const double halfThumb = thumbWidth / 2.0;
  if (x < halfThumb || x > w - halfThumb - 2) return std::nullopt;
  const int travel = w - thumbWidth - 2;
  if (travel <= 0) return min_;
  return min_ + roundHalfEven((x - halfThumb) * (max_ - min_) / double(travel));
}

int TrackSlider::thumbLeft() const {
  if (max_ == min_) return 0;
  return (trackWidth() - thumbWidth - 2) * (value_ - min_) / (max_ - min_);
}

void TrackSlider::repositionThumb() {
  thumb_->move(thumbLeft(), thumbTop);
  emit valueChanged(value_);
}

void TrackSlider::follow(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  if (const std::optional<int> value = valueAt(int(event->position().x()))) setValue(*value);
}

void TrackSlider::mousePressEvent(QMouseEvent* event) { follow(event); }

void TrackSlider::mouseMoveEvent(QMouseEvent* event) { follow(event); }

void TrackSlider::mouseReleaseEvent(QMouseEvent*) { emit released(); }

// The arrows step by one, the page keys by a tenth of the range, Home and
// End go to the ends. Each key is a whole move: it is also the release.
void TrackSlider::keyPressEvent(QKeyEvent* event) {
  const int page = std::max(1, (max_ - min_) / 10);
  int value = value_;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: value -= 1; break;
    case Qt::Key_Right:
    case Qt::Key_Up: value += 1; break;
    case Qt::Key_PageDown: value -= page; break;
    case Qt::Key_PageUp: value += page; break;
    case Qt::Key_Home: value = min_; break;
    case Qt::Key_End: value = max_; break;
    default: QWidget::keyPressEvent(event); return;
  }
  setValue(std::clamp(value, std::min(min_, max_), std::max(min_, max_)));
  emit released();
}

void TrackSlider::focusInEvent(QFocusEvent*) { update(); }

void TrackSlider::focusOutEvent(QFocusEvent*) { update(); }

void TrackSlider::resizeEvent(QResizeEvent*) {
  repositionThumb();
  update();
}

void TrackSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int grooveEnd = trackWidth() - thumbWidth / 2 - 2;
  const int grooveTop = thumbTop + thumbHeight / 2 - 2;
  painter.fillRect(QRect(thumbWidth / 2, grooveTop, grooveEnd - thumbWidth / 2, 4),
                   palette().color(QPalette::Dark));
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawLine(thumbWidth / 2, grooveTop, grooveEnd, grooveTop);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(thumbWidth / 2, grooveTop + 4, grooveEnd, grooveTop + 4);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}
