#include "main_window/title_text_box.h"

#include <QAbstractUndoItem>
#include <QEvent>
#include <QFontMetricsF>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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
  connect(this, &QPlainTextEdit::blockCountChanged, this, &TitleTextBox::fitLines);
}

void TitleTextBox::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitLines();
}

void TitleTextBox::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  fitLines();
}

void TitleTextBox::fitLines() {
  const int lines = std::clamp(document()->blockCount(), 1, linesShownWhole);
  const qreal room = viewport()->height() - 2 * document()->documentMargin();
  const qreal needed = lines * QFontMetricsF(font()).lineSpacing();
  QFont shown = font();
  if (needed > room && room > 0 && shown.pointSizeF() > 0) {
    // Line spacing does not shrink quite in step with the size: step down
    // from the proportional size until the lines fit.
    qreal size = shown.pointSizeF() * room / needed;
    shown.setPointSizeF(size);
    while (size > 1 && lines * QFontMetricsF(shown).lineSpacing() > room)
      shown.setPointSizeF(size -= 0.25);
  }
  if (document()->defaultFont() == shown) return;
  // A new default font is no edit of the text.
  const bool wasSetting = settingText_;
  settingText_ = true;
  document()->setDefaultFont(shown);
  settingText_ = wasSetting;
}

void TitleTextBox::setText(const QString& text) {
  settingText_ = true;
  setPlainText(text);
  // Typing goes on at the end, as in a one-line box.
  moveCursor(QTextCursor::End);
  settingText_ = false;
}

void TitleTextBox::replaceText(const QString& text, QAbstractUndoItem* alongside) {
  settingText_ = true;
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
  if (alongside) document()->appendUndoItem(alongside);
  cursor.endEditBlock();
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
