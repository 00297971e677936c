// `EllipseRatioDialog`: the ellipse ratio dialog, shown modally by the drawing tools
// when an ellipse tool is chosen. Its slider sets the design's ellipse ratio
// at once, so closing it either way keeps the ratio last shown.
#pragma once

#include <QDialog>

#include "design/tool_design.h"

class TrackSlider;
class Platform;
class QLabel;
class QPushButton;

class EllipseRatioDialog : public QDialog {
  Q_OBJECT
 public:
  // Placed on the top-left corner of `mainWindow`; sets the ratio of `design`.
  EllipseRatioDialog(QWidget& mainWindow, ToolDesign design, Platform& platform);

  QLabel* ratioCaption() const { return ratioCaption_; }
  QLabel* ratioLabel() const { return ratioLabel_; }
  TrackSlider* ratioSlider() const { return ratioSlider_; }
  QLabel* previewLabel() const { return previewLabel_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

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
  QLabel* ratioCaption_;
  QLabel* ratioLabel_;  // the ratio
  TrackSlider* ratioSlider_;
  QLabel* previewLabel_;  // preview
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  void drawPreview(double ratio);

  QWidget& mainWindow_;
  ToolDesign design_;
  Platform& platform_;
  QImage preview_;
  bool activated_ = false;
};
