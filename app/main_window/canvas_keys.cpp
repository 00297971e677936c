#include "main_window/canvas_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QTextDocument>
#include <QWidget>

#include "main_window/title_text_box.h"

CanvasKeys::CanvasKeys(TitleTextBox& textBox, const QWidget& window)
    : QObject(&textBox), textBox_(textBox), window_(window) {
  textBox.installEventFilter(this);
}

bool CanvasKeys::belongsToCommand(const QKeyEvent& key) const {
  if (key.matches(QKeySequence::Copy) && textBox_.hasSelectedText()) return false;
  const QTextDocument& typed = *textBox_.document();
  if (key.matches(QKeySequence::Undo) && typed.isUndoAvailable()) return false;
  // Only the redo key that pairs with Ctrl+Z: Ctrl+Y opens the symbols.
  const QKeySequence typingRedo(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
  if (QKeySequence(key.keyCombination()) == typingRedo && typed.isRedoAvailable()) return false;
  const QKeySequence pressed(key.keyCombination());
  for (const QAction* command : window_.findChildren<QAction*>()) {
    if (command->shortcuts().contains(pressed)) return true;
  }
  return false;
}

// Refusing the shortcut override lets the menu's shortcut fire; swallowing
// the key press keeps the box from acting when the menu entry is disabled.
bool CanvasKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  if (!belongsToCommand(static_cast<const QKeyEvent&>(*event))) return false;
  event->ignore();
  return true;
}
