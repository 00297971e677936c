// The title's text box: several lines, Enter starts a new one. It
// answers to the few calls a one-line box took (text, selection), and tells
// typing apart from text set by the program, as the live preview needs.
#pragma once

#include <QPlainTextEdit>

class QAbstractUndoItem;

class TitleTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TitleTextBox(QWidget* parent = nullptr);

  QString text() const { return toPlainText(); }
  // Sets the text without counting as an edit; the typing before it can no
  // longer be undone.
  void setText(const QString& text);
  // Replaces the whole text as one step that Ctrl+Z undoes, together with
  // `alongside` (owned by the box's history from then on, may be null).
  // Counts as no edit either.
  void replaceText(const QString& text, QAbstractUndoItem* alongside);
  bool hasSelectedText() const { return textCursor().hasSelection(); }
  // Up to this many lines show whole at once, in a smaller font where the
  // box's font would not fit them; more lines scroll.
  static constexpr int linesShownWhole = 3;
  void setSelection(int start, int length);
  void deselect();

 signals:
  // The user changed the text (typing, pasting, deleting).
  void textEdited();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The lines are shown in the box's font made smaller as far as needed;
  // the box's own font stays as the window set it.
  void fitLines();

  bool settingText_ = false;
};
