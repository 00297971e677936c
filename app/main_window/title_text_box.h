// The title's text box: several lines, Enter starts a new one. It
// answers to the few calls a one-line box took (text, selection), and tells
// typing apart from text set by the program, as the live preview needs.
#pragma once

#include <QPlainTextEdit>

class TitleTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TitleTextBox(QWidget* parent = nullptr);

  QString text() const { return toPlainText(); }
  // Sets the text without counting as an edit.
  void setText(const QString& text);
  bool hasSelectedText() const { return textCursor().hasSelection(); }
  void setSelection(int start, int length);
  void deselect();

 signals:
  // The user changed the text (typing, pasting, deleting).
  void textEdited();

 private:
  bool settingText_ = false;
};
