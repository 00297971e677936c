#include "main_window/title_text_box.h"

#include <QTextCursor>

TitleTextBox::TitleTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Text1"));
  // Lines of a title are never wrapped: each line is a line of the design.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab moves on to the next control, as in every other box of the window.
  setTabChangesFocus(true);
  // A thin margin keeps one line in view without a scroll bar.
  document()->setDocumentMargin(1);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!settingText_) emit textEdited();
  });
}

void TitleTextBox::setText(const QString& text) {
  settingText_ = true;
  setPlainText(text);
  // Typing goes on at the end, as in a one-line box.
  moveCursor(QTextCursor::End);
  settingText_ = false;
}

void TitleTextBox::setSelection(int start, int length) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void TitleTextBox::deselect() {
  QTextCursor cursor = textCursor();
  cursor.clearSelection();
  setTextCursor(cursor);
}
