// The source frame: the source option buttons (source kinds 1 "text",
// 2 "shape", 3 "pic"), the title's text box and the Draw button. Each keeps
// its old object name for error reports.
#pragma once

#include <QFrame>
#include <array>

#include "main_window/title_text_box.h"

class QPushButton;
class QRadioButton;

inline constexpr int sourceFrameHeight = 54;

// A source option button that reports presses with the mouse button used,
// before it changes its own state.
class SourceButton;

class SourceFrame : public QFrame {
  Q_OBJECT
 public:
  explicit SourceFrame(QWidget* parent = nullptr);

  // The option button of source kind `kind` (1..3).
  QRadioButton* sourceButton(int kind) const { return sourceButtons_.at(kind - 1); }
  TitleTextBox* textBox() const { return textBox_; }
  QPushButton* drawButton() const { return drawButton_; }

  // Checks the option button of source kind `kind` alone.
  void selectSource(int kind);

  // Takes the text layout controls between the text box and the Draw
  // button: two on the upper row, the third across both below.
  void holdLineControls(const std::array<QWidget*, 3>& controls);

 signals:
  void sourcePressed(int index, Qt::MouseButton button);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();
  int layOutSourceButtons();

  std::array<QRadioButton*, 3> sourceButtons_;
  TitleTextBox* textBox_;
  QPushButton* drawButton_;
  std::array<QWidget*, 3> lineControls_{};
};
