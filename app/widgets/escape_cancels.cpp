#include "widgets/escape_cancels.h"

#include <QAbstractButton>
#include <QShortcut>

// A window shortcut outranks a dialog's own Esc handling, which would only
// hide the dialog without running the Cancel handler.
void cancelOnEscape(QWidget& window, QAbstractButton& cancel) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &cancel, &QAbstractButton::click);
}
