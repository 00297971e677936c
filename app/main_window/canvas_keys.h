// Keeps the canvas commands' keys away from the title's text box.
#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

// The text box holds the focus whenever the main window is active, and a line
// edit claims Ctrl+Z, Ctrl+C and Ctrl+V for its own undo and clipboard before
// any menu shortcut sees them. This filter hands those keys to the menu so
// they undo, copy and paste the canvas. Only Ctrl+C while text is selected
// stays with the box: copying marked text cannot be mistaken for copying the
// picture.
class CanvasKeys : public QObject {
 public:
  explicit CanvasKeys(QLineEdit& textBox);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool belongsToCanvas(const QKeyEvent& key) const;

  QLineEdit& textBox_;
};
