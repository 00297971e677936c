// The gradient editor, opened from the Inside panel: the colour stops (2 to
// 5, evenly spaced), the angle, and a preview of the gradient they make.
#pragma once

#include <QDialog>
#include <array>

#include "design/gradient_fill.h"

class QLabel;
class QPushButton;
class QSpinBox;

class GradientEditor : public QDialog {
  Q_OBJECT
 public:
  GradientEditor(const FillGradient& gradient, QWidget* owner);

  FillGradient gradient() const { return gradient_; }

  // Stop `index`'s button: a click chooses its colour.
  QPushButton* stopButton(int index) const { return stopButtons_.at(index); }
  QPushButton* addStopButton() const { return addStopButton_; }
  QPushButton* removeStopButton() const { return removeStopButton_; }
  QSpinBox* angleBox() const { return angleBox_; }
  QLabel* preview() const { return preview_; }

 private:
  void chooseStopColour(int index);
  void addStop();
  void removeStop();
  void showGradient();

  FillGradient gradient_;
  std::array<QPushButton*, mostGradientStops> stopButtons_;
  QPushButton* addStopButton_;
  QPushButton* removeStopButton_;
  QSpinBox* angleBox_;
  QLabel* preview_;
};
