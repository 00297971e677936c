#include "main_window/canvas_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

CanvasKeys::CanvasKeys(QLineEdit& textBox) : QObject(&textBox), textBox_(textBox) {
  textBox.installEventFilter(this);
}

bool CanvasKeys::belongsToCanvas(const QKeyEvent& key) const {
  if (key.matches(QKeySequence::Copy)) return !textBox_.hasSelectedText();
  return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Paste);
}

// Refusing the shortcut override lets the menu's shortcut fire; swallowing
// the key press keeps the box from acting when the menu entry is disabled.
bool CanvasKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  if (!belongsToCanvas(static_cast<const QKeyEvent&>(*event))) return false;
  event->ignore();
  return true;
}
