// What the "Outside" panel's controls do: choosing an effect brings back
// the sliders the source kind kept for it; the sliders write the effect's
// values, their labels follow; the palette and the colour button set the
// outline or glow colour.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "design/design_state.h"
#include "files/site_tags.h"
#include "main_window/outside_panel.h"
#include "main_window/panel_pictures.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

QColor shown(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

EffectType panelEffect(const Style& style) {
  return style.effects.empty() ? EffectType::NoContour : style.effects.back().type;
}

// Arrow keys, Home and End move the current effect too, and a row set to
// the effect already in use (at start-up, by the source switch) changes
// nothing.
void OutsidePanel::connectControls() {
  connectSliders();
  connect(effectList_, &QListWidget::itemClicked, this, &OutsidePanel::effectListClicked);
  connect(effectList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row != velloro::toInt(panelEffect(context_.design.model.style()))) effectListClicked();
  });
  connectColour();
  followByPreview();
}

// A slider writes the model before its label follows.
void OutsidePanel::connectSliders() {
  for (SliderGroup group : {SliderGroup::Shadow, SliderGroup::Engraved, SliderGroup::Outline}) {
    const std::vector<TrackSlider*> sliders = effectSliders(group);
    for (size_t i = 0; i < sliders.size(); ++i)
      connect(sliders[i], &TrackSlider::valueChanged, this,
              [this, group, i](int value) { effectSliderMoved(group, i, value); });
  }
  Platform& platform = context_.platform;
  for (int k = 1; k <= 3; ++k) {
    connect(shadowSlider(k), &TrackSlider::valueChanged, this, [this, &platform, k] {
      runTrapped(platform, siteTag::frmMain_MirelSlider1_ValueChange,
                 [&] { updateShadowLabels(k); });
    });
    // The opacity slider has a meaning of its own; the offsets only with a shadow.
    connect(shadowSlider(k), &TrackSlider::released, this, [this, &platform, k] {
      runTrapped(platform, siteTag::frmMain_MirelSlider1_Release, [&] {
        if (k >= 2 && noContour()) warnNoContour();
        updateShadowLabels(k);
      });
    });
  }
  auto showWidth = [this, &platform](TrackSlider* slider, QLabel* label, std::string_view changed,
                                     std::string_view released) {
    connect(slider, &TrackSlider::valueChanged, this, [&platform, slider, label, changed] {
      runTrapped(platform, changed, [&] { label->setText(percentLabel(slider->Value())); });
    });
    connect(slider, &TrackSlider::released, this, [this, &platform, slider, label, released] {
      runTrapped(platform, released, [&] {
        if (noContour()) warnNoContour();
        label->setText(percentLabel(slider->Value()));
      });
    });
  };
  showWidth(outlineSlider_, outlineValueLabel_, siteTag::frmMain_SliderOutline_ValueChange,
            siteTag::frmMain_SliderOutline_Release);
  showWidth(engravedSlider_, engravedWidthLabel_, siteTag::frmMain_SliderEngraved_ValueChange,
            siteTag::frmMain_SliderEngraved_Release);
}

void OutsidePanel::connectColour() {
  Platform& platform = context_.platform;
  connect(outlinePalette_, &PictureBox::mousePressed, this,
          [this, &platform](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            runTrapped(platform, siteTag::frmMain_PictureOutline_MouseDown,
                       [&] { pickOutlineColour(buttons, at); });
          });
  connect(outlinePalette_, &PictureBox::mouseMoved, this,
          [this, &platform](Qt::MouseButtons buttons, QPoint at) {
            runTrapped(platform, siteTag::frmMain_PictureOutline_MouseMove,
                       [&] { pickOutlineColour(buttons, at); });
          });
  connect(outlineColourButton_, &QPushButton::clicked, this, [this, &platform] {
    runTrapped(platform, siteTag::frmMain_CmdOutline_Click, [&] {
      if (auto chosen = platform.chooseColour(outlineButtonColour_, &context_.window.ownerWidget()))
        takeOutlineColour(*chosen);
    });
  });
}

// Connected after every handler of the controls, so the preview reads what
// the handlers have just stored. The palette picks a colour while a button
// is down.
void OutsidePanel::followByPreview() {
  auto follow = [this](auto* sender, auto signal) {
    connect(sender, signal, this, &OutsidePanel::settingChanged);
  };
  follow(outlinePalette_, &PictureBox::mousePressed);
  connect(outlinePalette_, &PictureBox::mouseMoved, this, [this](Qt::MouseButtons buttons) {
    if (buttons != Qt::NoButton) emit settingChanged();
  });
  follow(outlineColourButton_, &QPushButton::clicked);
  follow(effectList_, &QListWidget::itemClicked);
  follow(effectList_, &QListWidget::currentRowChanged);
  for (int k = 1; k <= 3; ++k) follow(shadowSlider(k), &TrackSlider::valueChanged);
  follow(outlineSlider_, &TrackSlider::valueChanged);
  follow(engravedSlider_, &TrackSlider::valueChanged);
}

// A control set to what it shows already is left alone, so that no
// control's own signal runs for a setting that did not change there.
void OutsidePanel::showSetting(Setting setting) {
  const Style& style = context_.design.model.style();
  switch (setting) {
    case Setting::Effects: {
      const EffectType effect = panelEffect(style);
      const int row = velloro::toInt(effect);
      if (effectList_->currentRow() != row) effectList_->setCurrentRow(row);
      if (effect == EffectType::NoContour) break;
      // The values the effect brought may be those its sliders showed for another.
      showEffectValues();
      showEffectControls(effect);
      if (outsideEffect(effect).colour != EffectColour::None)
        paintOutlineButton(shown(entryRgb(style.effects.back())));
      break;
    }
    default: break;
  }
}

void OutsidePanel::showEffectValues() {
  const Style& style = context_.design.model.style();
  if (style.effects.empty()) return;
  const EffectEntry& top = style.effects.back();
  const std::vector<TrackSlider*> sliders = effectSliders(outsideEffect(top.type).sliders);
  for (size_t i = 0; i < sliders.size(); ++i)
    if (sliders[i]->Value() != top.values[i]) sliders[i]->setValue(top.values[i]);
}

// The sliders are set by then; the frame, the labels and the colour button
// follow the effect.
void OutsidePanel::showEffectControls(EffectType effect) {
  const OutsideEffect& described = outsideEffect(effect);
  if (described.sliders == SliderGroup::Shadow) {
    updateShadowLabels(2);
    updateShadowLabels(3);
  } else if (described.sliders == SliderGroup::Outline) {
    if (described.colour != EffectColour::None)
      paintOutlineButton(shown(entryRgb(context_.design.model.style().effects.back())));
    outlineCaption_->setText(QString::fromUtf8(described.widthCaption));
  }
  showEffectFrame(effect);
}

// A slider writes the model only while its group is the effect's: the
// other groups' sliders stand hidden.
void OutsidePanel::effectSliderMoved(SliderGroup group, size_t index, int value) {
  const Style& style = context_.design.model.style();
  if (outsideEffect(panelEffect(style)).sliders != group) return;
  EffectEntry top = style.effects.back();
  top.values[index] = value;
  setEffectEntry(context_.design.model, int(style.effects.size()) - 1, top);
}

void OutsidePanel::keepEffectSliders(SourceKind kind) {
  const Style& style = context_.design.model.style();
  if (style.effects.empty()) return;
  const EffectEntry& top = style.effects.back();
  storeEffectSliders(context_.design.kindSettings[kind], top.type, {top.values, entryRgb(top)});
}

// Leaving an effect keeps its sliders in the source kind's row; the effect
// chosen brings back its own.
void OutsidePanel::chooseEffect(EffectType chosen) {
  DesignState& design = context_.design;
  keepEffectSliders(design.sourceKind);
  EffectStack stack = effectStackOf(chosen);
  if (!stack.empty()) {
    const EffectSliders kept = loadEffectSliders(design.kindSettings[design.sourceKind], chosen);
    stack.back().values = kept.positions;
    if (outsideEffect(chosen).colour != EffectColour::None)
      stack.back().colour = styleColour(kept.colour);
  }
  design.model.set(Setting::Effects, stack);
}

void OutsidePanel::effectListClicked() {
  runTrapped(context_.platform, siteTag::frmMain_List3_Click,
             [this] { chooseEffect(EffectType{std::max(0, effectList_->currentRow())}); });
}

void OutsidePanel::updateShadowLabels(int k) {
  runTrapped(context_.platform, siteTag::frmMain_UpdateShadowPanel, [&] {
    const auto labels = shadowLabels(k, shadowSlider(k)->Value(),
                                     outsideEffect(panelEffect(context_.design.model.style())));
    if (!labels) return;
    shadowValueLabel(k)->setText(labels->value);
    if (labels->first) shadowCaptions_[1]->setText(*labels->first);
    if (labels->second) shadowCaptions_[2]->setText(*labels->second);
  });
}

bool OutsidePanel::noContour() const { return context_.design.model.style().effects.empty(); }

void OutsidePanel::warnNoContour() {
  context_.platform.showMessage(
      {QStringLiteral(" \"No contour\" selected !"), MessageIcon::Exclamation});
}

// The button always shows the colour picked; the design takes it as the
// outline or glow colour only while such an effect is selected.
void OutsidePanel::takeOutlineColour(const QColor& colour) {
  paintOutlineButton(colour);
  DesignModel& model = context_.design.model;
  if (outsideEffect(panelEffect(model.style())).colour == EffectColour::None) return;
  EffectEntry top = model.style().effects.back();
  top.colour = styleColour(colour);
  setEffectEntry(model, int(model.style().effects.size()) - 1, top);
}

void OutsidePanel::pickOutlineColour(Qt::MouseButtons buttons, QPoint at) {
  if (auto colour = paletteColour(outlinePalette_->picture(), buttons, at))
    takeOutlineColour(*colour);
}
