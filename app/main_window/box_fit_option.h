// Tools > "Fit title to box": when on, Draw fits the title to a box of the
// width and height given here, effects included, as `--render --box WxH`
// does: its lines wrap at word boundaries, its size is lowered, and what
// still does not fit is cut with an ellipsis.
#pragma once

#include <QDialog>
#include <QSize>
#include <optional>

class Platform;
class QCheckBox;
class QSpinBox;

// The option's dialog: whether to fit, and the box's width and height.
class BoxFitDialog : public QDialog {
  Q_OBJECT
 public:
  BoxFitDialog(std::optional<QSize> box, QWidget* owner);

  QCheckBox* fitBox() const { return fit_; }
  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }
  // The box chosen, or nothing when the title is not fitted.
  std::optional<QSize> box() const;

 private:
  QCheckBox* fit_;
  QSpinBox* width_;
  QSpinBox* height_;
};

class BoxFitOption {
 public:
  // Shows the dialog; the box changes when it is closed with OK.
  void ask(Platform& platform, QWidget& owner);

  std::optional<QSize> box() const { return box_; }

 private:
  std::optional<QSize> box_;
};
