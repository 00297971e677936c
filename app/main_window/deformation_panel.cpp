#include "main_window/deformation_panel.h"

#include <QLabel>
#include <QRadioButton>

#include "design/design_state.h"
#include "design/outside_effects.h"
#include "files/site_tags.h"
#include "main_window/ignore_failures.h"
#include "main_window/panel_building.h"
#include "platform/error_report.h"
#include "widgets/track_slider.h"

DeformationPanel::DeformationPanel(const PanelContext& context, QWidget* parent)
    : QFrame(parent), context_(context) {
  build();
  describeControls();
  connectControls();
  context_.design.model.listen([this](Setting setting) { showSetting(setting); });
}

void DeformationPanel::build() {
  for (int i = 0; i < 3; ++i)
    buttons_[i] = choiceButton(this, "Option2", Setting::Deformation, i, {6, 4 + i * 24, 80, 22});
  caption_ = settingLabel(this, QStringLiteral("LabelDef1"), Setting::DeformationAmount,
                          {100, 28, 84, 20});
  amountSlider_ = settingSlider(this, QStringLiteral("SliderDeform"), Setting::DeformationAmount,
                                {186, 28, 200, 20});
  valueLabel_ = label(this, QStringLiteral("LabelDef2"), straightLabel(), {392, 28, 60, 20});
}

void DeformationPanel::describeControls() { nameByCaption(caption_, amountSlider_); }

// The model is written before any other handler of a control runs; the
// slider has no site tag of its own: its label is all it changes besides.
void DeformationPanel::connectControls() {
  DesignModel& model = context_.design.model;
  for (size_t i = 0; i < buttons_.size(); ++i)
    connect(buttons_[i], &QRadioButton::toggled, this, [&model, i](bool on) {
      if (on) model.set(Setting::Deformation, int32_t(i));
    });
  connect(amountSlider_, &TrackSlider::valueChanged, this,
          [&model](int value) { model.set(Setting::DeformationAmount, int32_t(value)); });
  for (QRadioButton* button : buttons_)
    connect(button, &QRadioButton::clicked, this, [this] {
      runTrapped(context_.platform, siteTag::frmMain_Option2_Click, [this] { updateValueLabel(); });
    });
  auto followLabel = [this] { ignoreFailures([this] { updateValueLabel(); }); };
  connect(amountSlider_, &TrackSlider::valueChanged, this, followLabel);
  connect(amountSlider_, &TrackSlider::released, this, followLabel);
  for (QRadioButton* button : buttons_)
    connect(button, &QRadioButton::clicked, this, &DeformationPanel::settingChanged);
  connect(amountSlider_, &TrackSlider::valueChanged, this, &DeformationPanel::settingChanged);
}

// A control set to what it shows already is left alone, so that no
// control's own signal runs for a setting that did not change there.
void DeformationPanel::showSetting(Setting setting) {
  const Style& style = context_.design.model.style();
  if (setting == Setting::Deformation) {
    QRadioButton* button = buttons_[size_t(velloro::toInt(style.deformationType))];
    if (!button->isChecked()) button->setChecked(true);
  } else if (setting == Setting::DeformationAmount) {
    if (amountSlider_->Value() != style.deformationAmount)
      amountSlider_->setValue(style.deformationAmount);
  } else {
    return;
  }
  updateValueLabel();
}

// "0 °", what the label shows before any angle.
QString DeformationPanel::straightLabel() {
  return QStringLiteral("0 ") + unitOf(declaration(Setting::DeformationAmount));
}

// Without a deformation the slider means nothing: its label shows no angle
// rather than the last one set.
void DeformationPanel::updateValueLabel() {
  const Style& style = context_.design.model.style();
  const auto text = deformationLabel(style.deformationType, style.deformationAmount);
  valueLabel_->setText(text.value_or(straightLabel()));
}
