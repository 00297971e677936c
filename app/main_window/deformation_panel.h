// The "Deformation" panel: the design left as it is, turned round its
// centre or bent along an arc, and the slider of the angle. The buttons and
// the slider write the design's model and show what it holds.
#pragma once

#include <QFrame>
#include <array>

#include "design/setting_declarations.h"
#include "main_window/panel_context.h"

class QLabel;
class QRadioButton;
class TrackSlider;

class DeformationPanel : public QFrame {
  Q_OBJECT
 public:
  DeformationPanel(const PanelContext& context, QWidget* parent);

  // "No", "Rotate", "Curve".
  const std::array<QRadioButton*, 3>& buttons() const { return buttons_; }
  TrackSlider* amountSlider() const { return amountSlider_; }
  QLabel* valueLabel() const { return valueLabel_; }

 signals:
  // A control changed the deformation: the live preview follows.
  void settingChanged();

 private:
  void build();
  void describeControls();
  void connectControls();
  void showSetting(Setting setting);
  void updateValueLabel();
  static QString straightLabel();

  PanelContext context_;
  std::array<QRadioButton*, 3> buttons_;
  QLabel* caption_;
  TrackSlider* amountSlider_;
  QLabel* valueLabel_;
};
