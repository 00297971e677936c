// `FrmEllipse`: the ellipse ratio dialog, shown modally by the drawing tools
// when an ellipse tool is chosen. Its slider sets the design's ellipse ratio
// at once, so closing it either way keeps the ratio last shown.
#pragma once

#include <QDialog>

class MirelSlider;
class QLabel;
class QPushButton;

class FrmEllipse : public QDialog {
  Q_OBJECT
 public:
  // Placed on the top-left corner of `mainWindow`.
  explicit FrmEllipse(QWidget& mainWindow);

  QLabel* Label1;
  QLabel* Label2;  // the ratio
  MirelSlider* MirelSlider1;
  QLabel* Picture1;  // preview
  QPushButton* OKButton;
  QPushButton* CancelButton;

  const QImage& preview() const { return preview_; }

  void load();
  void activate();
  void sliderChanged();
  void okClicked();
  void cancelClicked();

  void reject() override { cancelClicked(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void drawPreview(double ratio);

  QWidget& mainWindow_;
  QImage preview_;
  bool activated_ = false;
};
