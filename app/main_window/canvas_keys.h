// Keeps the window's command keys away from the title's text box.
#pragma once

#include <QObject>

class QKeyEvent;
class TitleTextBox;
class QWidget;

// The text box holds the focus whenever the main window is active, and a line
// edit claims many control keys for itself before any menu shortcut sees
// them: Ctrl+Z, Ctrl+C and Ctrl+V for its own undo and clipboard, and on X11
// desktops Ctrl+E (end of line), Ctrl+D (delete) and Ctrl+Y (redo) too. This
// filter hands every key that is a shortcut of one of the window's commands to
// the menu, so they undo, copy and paste the canvas, export, open the symbols
// viewer... Only Ctrl+C while text is selected stays with the box: copying
// marked text cannot be mistaken for copying the picture. So do the undo and
// redo keys while the box has typing of its own to undo or redo: the typing
// goes back first, then the canvas's steps; the Edit menu's entries and the
// toolbar always step through the canvas.
class CanvasKeys : public QObject {
 public:
  CanvasKeys(TitleTextBox& textBox, const QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool belongsToCommand(const QKeyEvent& key) const;

  TitleTextBox& textBox_;
  const QWidget& window_;
};
