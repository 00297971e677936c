#include "main_window/source_frame.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

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
    : QFrame(parent), Text1(new QLineEdit(this)), BtnDraw(new QPushButton(this)) {
  setObjectName(QStringLiteral("Frame1"));
  setFrameShape(QFrame::StyledPanel);
  Option4[0] = nullptr;
  const char* captions[] = {"text", "shape", "pic"};
  for (int i = 1; i <= 3; ++i) {
    Option4[i] = new SourceButton(QLatin1String(captions[i - 1]), i, this);
    Option4[i]->setObjectName(QStringLiteral("Option4(%1)").arg(i));
    const int lefts[] = {4, 50, 106};
    const int widths[] = {46, 56, 40};
    Option4[i]->setGeometry(lefts[i - 1], 19, widths[i - 1], 20);
  }
  Option4[1]->setChecked(true);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setText(QStringLiteral("Velloro"));
  QFont textFont(QStringLiteral("Tahoma"));
  textFont.setPointSizeF(14.25);
  textFont.setBold(true);
  Text1->setFont(textFont);
  BtnDraw->setObjectName(QStringLiteral("BtnDraw"));
  BtnDraw->setText(QStringLiteral("Draw it !"));
  BtnDraw->setDefault(true);
}

void SourceFrame::selectSource(int kind) {
  for (int i = 1; i <= 3; ++i) Option4[i]->setChecked(i == kind);
}

void SourceFrame::resizeEvent(QResizeEvent*) {
  const int inner = width();
  Text1->setGeometry(146, 14, std::max(0, inner - 267), 32);
  BtnDraw->setGeometry(std::max(0, inner - 105), 14, 96, 32);
}
