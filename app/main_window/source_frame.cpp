#include "main_window/source_frame.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <algorithm>

#include "widgets/described.h"

class SourceButton : public QRadioButton {
 public:
  SourceButton(const QString& caption, int index, SourceFrame* frame)
      : QRadioButton(caption, frame), index_(index), frame_(frame) {
    // The press handler decides which button is checked.
    setAutoExclusive(false);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    emit frame_->sourcePressed(index_, event->button());
  }
  void mouseReleaseEvent(QMouseEvent*) override {}
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Space)
      emit frame_->sourcePressed(index_, Qt::LeftButton);
    else
      QRadioButton::keyPressEvent(event);
  }

 private:
  int index_;
  SourceFrame* frame_;
};

SourceFrame::SourceFrame(QWidget* parent)
    : QFrame(parent), textBox_(new TitleTextBox(this)), drawButton_(new QPushButton(this)) {
  setObjectName(QStringLiteral("Frame1"));
  setFrameShape(QFrame::StyledPanel);
  const char* captions[] = {"text", "shape", "pic"};
  for (int i = 0; i < 3; ++i) {
    const int kind = i + 1;
    sourceButtons_[i] = new SourceButton(QLatin1String(captions[i]), kind, this);
    sourceButtons_[i]->setObjectName(QStringLiteral("Option4(%1)").arg(kind));
  }
  sourceButtons_[0]->setChecked(true);
  textBox_->setText(QStringLiteral("Velloro"));
  QFont textFont(QStringLiteral("Tahoma"));
  textFont.setPointSizeF(14.25);
  textFont.setBold(true);
  textBox_->setFont(textFont);
  drawButton_->setObjectName(QStringLiteral("BtnDraw"));
  drawButton_->setText(QStringLiteral("Draw it !"));
  drawButton_->setDefault(true);
  const char* hints[] = {"Draw the typed text", "Draw a shape (right-click: the shape tool)",
                         "Draw a picture cut out of a photo (right-click: the picture tool)"};
  for (int i = 0; i < 3; ++i) sourceButtons_[i]->setToolTip(QLatin1String(hints[i]));
  describe(textBox_, QStringLiteral("Title text"),
           QStringLiteral("The text to draw; Enter starts a new line"));
  drawButton_->setToolTip(QStringLiteral("Draw the design on the canvas (Ctrl+Enter)"));
  connect(textBox_, &QPlainTextEdit::blockCountChanged, this, &SourceFrame::layOut);
}

void SourceFrame::selectSource(int kind) {
  for (int i = 0; i < 3; ++i) sourceButtons_[i]->setChecked(i + 1 == kind);
}

void SourceFrame::holdLineControls(const std::array<QWidget*, 3>& controls) {
  lineControls_ = controls;
  for (QWidget* control : lineControls_) control->setParent(this);
}

void SourceFrame::resizeEvent(QResizeEvent*) { layOut(); }

// The source buttons stand where they always have, each moved right and
// widened only as far as a theme's larger mark or font needs for its caption
// to show whole; returns where the text box starts.
int SourceFrame::layOutSourceButtons() {
  const int lefts[] = {4, 50, 106};
  const int widths[] = {46, 56, 40};
  int end = 0;
  for (int i = 0; i < 3; ++i) {
    const int left = std::max(lefts[i], end);
    const int width = std::max(widths[i], sourceButtons_[i]->sizeHint().width());
    sourceButtons_[i]->setGeometry(left, 19, width, 20);
    end = left + width;
  }
  return end;
}

// The layout controls take their room out of the text box's width: the
// first two side by side on the upper row, the third across both below,
// each as wide as it asks. A title of several lines takes the frame's whole
// height, so its lines show whole in a font not much smaller than a single
// line's.
void SourceFrame::layOut() {
  const int textLeft = layOutSourceButtons();
  constexpr int leastColumnWidth = 72;
  constexpr int columnGap = 4;
  int left = 0;
  int right = 0;
  if (lineControls_[0]) {
    left = std::max(leastColumnWidth, lineControls_[0]->sizeHint().width());
    right = std::max(leastColumnWidth, lineControls_[1]->sizeHint().width());
    right = std::max(right, lineControls_[2]->sizeHint().width() - left - columnGap);
  }
  const int inner = width();
  const int reserved = lineControls_[0] ? left + right + 2 * columnGap : 0;
  const int textWidth = std::max(0, inner - 121 - textLeft - reserved);
  if (textBox_->document()->blockCount() > 1)
    textBox_->setGeometry(textLeft, 3, textWidth, sourceFrameHeight - 6);
  else
    textBox_->setGeometry(textLeft, 14, textWidth, 32);
  if (lineControls_[0]) {
    const int start = textLeft + 4 + textWidth;
    lineControls_[0]->setGeometry(start, 3, left, 23);
    lineControls_[1]->setGeometry(start + left + columnGap, 3, right, 23);
    lineControls_[2]->setGeometry(start, 28, left + columnGap + right, 23);
  }
  drawButton_->setGeometry(std::max(0, inner - 105), 14, 96, 32);
}
