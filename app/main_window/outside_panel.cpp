#include "main_window/outside_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "design/design_state.h"
#include "design/setting_declarations.h"
#include "main_window/panel_building.h"
#include "main_window/panel_pictures.h"
#include "widgets/described.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

// Arrow key steps in points: a palette's colours change little from one
// pixel to the next.
constexpr int paletteKeyStep = 2;

}  // namespace

OutsidePanel::OutsidePanel(const PanelContext& context, QWidget* parent)
    : QFrame(parent), context_(context) {
  build();
  paintOutlineButton(Qt::black);
  describeControls();
  connectControls();
  showStack();
  context_.design.model.listen([this](Setting setting) { showSetting(setting); });
}

void OutsidePanel::build() {
  effectList_ = placed(new QListWidget(this), QStringLiteral("List3"), {6, 2, 130, 78});
  const int frameLeft = buildStackButtons() + 8;
  shadowFrame_ = frame(this, QStringLiteral("FrameShadow"), {frameLeft, 2, 300, 76});
  outlineFrame_ = frame(this, QStringLiteral("FrameOutline"), {frameLeft, 2, 400, 76});
  engravedFrame_ = frame(this, QStringLiteral("FrameEngraved"), {frameLeft, 2, 300, 76});
  buildShadowFrame();
  buildOutlineFrame();
  buildEngravedFrame();
}

// Two by two beside the list, each as wide as the widest caption needs in
// the desktop's font; Add opens the list of effects. Returns their right
// edge.
int OutsidePanel::buildStackButtons() {
  const char* names[] = {"CmdEffectAdd", "CmdEffectRemove", "CmdEffectUp", "CmdEffectDown"};
  const char* captions[] = {"Add", "Remove", "Up", "Down"};
  int width = 56;
  for (int i = 0; i < 4; ++i) {
    stackButtons_[i] = new QPushButton(QLatin1String(captions[i]), this);
    width = std::max(width, stackButtons_[i]->sizeHint().width());
  }
  const int left = effectList_->geometry().right() + 4;
  for (int i = 0; i < 4; ++i)
    placed(stackButtons_[i], QLatin1String(names[i]),
           {left + (i % 2) * (width + 2), 4 + (i / 2) * 26, width, 23});
  addMenu_ = new QMenu(this);
  for (const OutsideEffect& effect : outsideEffects())
    if (effect.type != EffectType::NoContour)
      addMenu_->addAction(QLatin1String(effect.caption))->setData(velloro::toInt(effect.type));
  stackButtons_[0]->setMenu(addMenu_);
  return stackButtons_[3]->geometry().right();
}

void OutsidePanel::buildShadowFrame() {
  const char* captions[] = {"S. opacity :", "S. offset X :", "S. offset Y :"};
  const char* values[] = {"50 %", "+ 5", "+ 5"};
  const auto initial = outsideEffect(EffectType::DropShadow).startPositions;
  const char* shadowSettings[] = {"strength", "offsetX", "offsetY"};
  for (int i = 0; i < 3; ++i) {
    const int top = 2 + i * 24;
    shadowCaptions_[i] =
        label(shadowFrame_, indexed("Label1", i), QLatin1String(captions[i]), {0, top, 84, 20});
    // Their object names count from 1.
    shadowSliders_[i] =
        effectSlider(shadowFrame_, indexed("MirelSlider1", i + 1), QLatin1String(shadowSettings[i]),
                     initial[i], {86, top, 150, 20});
    shadowValueLabels_[i] =
        label(shadowFrame_, indexed("Label2", i + 1), QLatin1String(values[i]), {240, top, 56, 20});
  }
}

void OutsidePanel::buildOutlineFrame() {
  outlineCaption_ = label(outlineFrame_, QStringLiteral("LabelOutline1"),
                          QStringLiteral("O. width :"), {0, 2, 84, 20});
  outlineSlider_ =
      effectSlider(outlineFrame_, QStringLiteral("SliderOutline"), QStringLiteral("width"),
                   outsideEffect(EffectType::Outline1).startPositions[0], {86, 2, 150, 20});
  outlineValueLabel_ = label(outlineFrame_, QStringLiteral("LabelOutline2"), QStringLiteral("50 %"),
                             {240, 2, 56, 20});
  outlinePalette_ = pictureBox(outlineFrame_, QStringLiteral("PictureOutline"),
                               colourPalette({150, 22}), {86, 30});
  outlineColourButton_ =
      placed(new QPushButton(outlineFrame_), QStringLiteral("CmdOutline"), {240, 30, 40, 22});
}

void OutsidePanel::buildEngravedFrame() {
  engravedCaption_ = label(engravedFrame_, QStringLiteral("LabelEngraved"),
                           QStringLiteral("Width :"), {0, 2, 84, 20});
  engravedSlider_ =
      effectSlider(engravedFrame_, QStringLiteral("SliderEngraved"), QStringLiteral("width"),
                   outsideEffect(EffectType::Engraved).startPositions[0], {86, 2, 150, 20});
  engravedWidthLabel_ =
      label(engravedFrame_, indexed("Label2", 6), QStringLiteral("20 %"), {240, 2, 56, 20});
}

void OutsidePanel::describeControls() {
  describeSetting(effectList_, Setting::Effects);
  const char* buttonNames[] = {"Add an effect", "Remove the effect", "Move the effect up",
                               "Move the effect down"};
  const char* buttonTips[] = {"Add an effect on top of the others", "Remove the chosen effect",
                              "Move the chosen effect above the one over it",
                              "Move the chosen effect below the one under it"};
  for (int i = 0; i < 4; ++i)
    describe(stackButtons_[i], QLatin1String(buttonNames[i]), QLatin1String(buttonTips[i]));
  for (int k = 0; k < 3; ++k) nameByCaption(shadowCaptions_[k], shadowSliders_[k]);
  nameByCaption(outlineCaption_, outlineSlider_);
  nameByCaption(engravedCaption_, engravedSlider_);
  describe(outlinePalette_, QStringLiteral("Outline colour palette"),
           QStringLiteral("Click a colour for the outline or the glow; "
                          "or move the marker with the arrow keys and press Space"));
  outlinePalette_->takeKeyboardPointer(paletteKeyStep);
  describe(outlineColourButton_, QStringLiteral("Outline colour"),
           QStringLiteral("Choose any outline or glow colour"));
}

std::vector<TrackSlider*> OutsidePanel::effectSliders(SliderGroup group) const {
  switch (group) {
    case SliderGroup::Shadow: return {shadowSliders_.begin(), shadowSliders_.end()};
    case SliderGroup::Engraved: return {engravedSlider_};
    case SliderGroup::Outline: return {outlineSlider_};
    case SliderGroup::None: break;
  }
  return {};
}

void OutsidePanel::showEffectFrame(EffectType effect) {
  const SliderGroup group = outsideEffect(effect).sliders;
  if (group == SliderGroup::None) return;
  shadowFrame_->setVisible(group == SliderGroup::Shadow);
  engravedFrame_->setVisible(group == SliderGroup::Engraved);
  outlineFrame_->setVisible(group == SliderGroup::Outline);
}

void OutsidePanel::paintOutlineButton(const QColor& colour) {
  outlineButtonColour_ = colour;
  outlineColourButton_->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 1px outset gray; }")
          .arg(colour.name()));
}
