#include "main_window/status_pane.h"

#include <QPainter>
#include <QStyle>

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString StatusPane::shownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize StatusPane::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

QSize StatusPane::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

// Only the message changes how the pane is drawn: it has no picture or
// rich text.
void StatusPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                        shownText(), foregroundRole());
}
