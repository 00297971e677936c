// A number box that takes any whole number typed and, when the editing ends,
// shows it clamped to its range: 20000 in a 1..1024 box becomes 1024, -5
// becomes 1. A plain spin box refuses the keys that leave its range, so a
// typed 20000 silently stays 200.
#pragma once

#include <QSpinBox>

class ClampingSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& position) const override;
  void fixup(QString& input) const override;
};
