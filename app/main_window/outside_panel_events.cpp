// What the "Outside" panel's controls do: the list and its buttons change
// the stack, one change each; the sliders write the chosen entry's values,
// their labels follow; the palette and the colour button set its outline
// or glow colour. Choosing a source kind brings back the effect it kept.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
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

void OutsidePanel::connectControls() {
  connectSliders();
  connectStack();
  connectColour();
  followByPreview();
}

// The list's rows stand top entry first: row r is stack index count - 1 - r.
// Moving up the list is moving up the stack.
void OutsidePanel::connectStack() {
  connect(effectList_, &QListWidget::currentRowChanged, this, [this] { showChosenEntry(); });
  connect(effectList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const int row = effectList_->row(item);
    const int index = effectList_->count() - 1 - row;
    const bool on = item->checkState() == Qt::Checked;
    changeStack(
        [&](DesignModel& model) {
          EffectEntry entry = model.style().effects[size_t(index)];
          entry.on = on;
          setEffectEntry(model, index, entry);
        },
        row);
  });
  connect(addMenu_, &QMenu::triggered, this, [this](QAction* effect) {
    changeStack(
        [&](DesignModel& model) {
          addEffect(model, keptEntry(EffectType{effect->data().toInt()}));
        },
        0);
  });
  connect(removeButton(), &QPushButton::clicked, this, [this] {
    const int row = effectList_->currentRow();
    if (const std::optional<int> index = chosenEntry())
      changeStack([&](DesignModel& model) { removeEffect(model, *index); },
                  std::min(row, effectList_->count() - 2));
  });
  connect(upButton(), &QPushButton::clicked, this, [this] {
    if (const std::optional<int> index = chosenEntry())
      changeStack([&](DesignModel& model) { moveEffect(model, *index, 1); },
                  effectList_->currentRow() - 1);
  });
  connect(downButton(), &QPushButton::clicked, this, [this] {
    if (const std::optional<int> index = chosenEntry())
      changeStack([&](DesignModel& model) { moveEffect(model, *index, -1); },
                  effectList_->currentRow() + 1);
  });
}

// A row past either end of the list chooses none: the change was refused.
template <typename Change>
void OutsidePanel::changeStack(Change&& change, int row) {
  runTrapped(context_.platform, siteTag::frmMain_List3_Click, [&] {
    change(context_.design.model);
    if (row >= 0 && row < effectList_->count()) effectList_->setCurrentRow(row);
    emit settingChanged();
  });
}

std::optional<int> OutsidePanel::chosenEntry() const {
  const int row = effectList_->currentRow();
  if (row < 0 || row >= effectList_->count()) return std::nullopt;
  return effectList_->count() - 1 - row;
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
  for (int k = 1; k <= 3; ++k) follow(shadowSlider(k), &TrackSlider::valueChanged);
  follow(outlineSlider_, &TrackSlider::valueChanged);
  follow(engravedSlider_, &TrackSlider::valueChanged);
}

// A control set to what it shows already is left alone, so that no
// control's own signal runs for a setting that did not change there.
void OutsidePanel::showSetting(Setting setting) {
  if (setting == Setting::Effects) showStack();
}

// A stack whose entries keep their effects and order (a slider moved, an
// entry switched) keeps the row chosen; any other shows its first entry
// chosen, until the change that made it chooses another.
void OutsidePanel::showStack() {
  const EffectStack& stack = context_.design.model.style().effects;
  const int count = int(stack.size());
  bool sameEffects = effectList_->count() == count;
  for (int row = 0; sameEffects && row < count; ++row)
    sameEffects = effectList_->item(row)->data(Qt::UserRole).toInt() ==
                  velloro::toInt(stack[size_t(count - 1 - row)].type);
  {
    const QSignalBlocker quiet(effectList_);
    if (!sameEffects) {
      effectList_->clear();
      for (int row = 0; row < count; ++row) effectList_->addItem(QString());
    }
    for (int row = 0; row < count; ++row) fillRow(row, stack[size_t(count - 1 - row)]);
    if (!sameEffects && count > 0) effectList_->setCurrentRow(0);
  }
  enableStackButtons();
  showChosenEntry();
}

void OutsidePanel::fillRow(int row, const EffectEntry& entry) {
  QListWidgetItem* item = effectList_->item(row);
  const OutsideEffect& effect = outsideEffect(entry.type);
  item->setText(QLatin1String(effect.caption));
  item->setData(Qt::UserRole, velloro::toInt(entry.type));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(entry.on ? Qt::Checked : Qt::Unchecked);
  QPixmap swatch(12, 12);
  swatch.fill(effect.colour == EffectColour::None ? QColor(Qt::transparent)
                                                  : shown(entryRgb(entry)));
  item->setIcon(QIcon(swatch));
}

void OutsidePanel::enableStackButtons() {
  const int count = effectList_->count();
  const int row = effectList_->currentRow();
  addButton()->setEnabled(count < mostEffects);
  removeButton()->setEnabled(row >= 0);
  upButton()->setEnabled(row > 0);
  downButton()->setEnabled(row >= 0 && row < count - 1);
}

// The sliders take the entry's values before the frame, the labels and the
// colour button follow its effect.
void OutsidePanel::showChosenEntry() {
  enableStackButtons();
  const std::optional<int> index = chosenEntry();
  if (!index) return;
  const EffectEntry& entry = context_.design.model.style().effects[size_t(*index)];
  const std::vector<TrackSlider*> sliders = effectSliders(outsideEffect(entry.type).sliders);
  for (size_t i = 0; i < sliders.size(); ++i)
    if (sliders[i]->Value() != entry.values[i]) sliders[i]->setValue(entry.values[i]);
  showEffectControls(entry);
}

void OutsidePanel::showEffectControls(const EffectEntry& entry) {
  const OutsideEffect& described = outsideEffect(entry.type);
  if (described.sliders == SliderGroup::Shadow) {
    updateShadowLabels(2);
    updateShadowLabels(3);
  } else if (described.sliders == SliderGroup::Outline) {
    outlineCaption_->setText(QString::fromUtf8(described.widthCaption));
  }
  if (described.colour != EffectColour::None) paintOutlineButton(shown(entryRgb(entry)));
  showEffectFrame(entry.type);
}

// Changes the chosen entry, as one change of the stack.
void OutsidePanel::setChosen(const std::function<void(EffectEntry&)>& change) {
  const std::optional<int> index = chosenEntry();
  if (!index) return;
  DesignModel& model = context_.design.model;
  EffectEntry entry = model.style().effects[size_t(*index)];
  change(entry);
  setEffectEntry(model, *index, entry);
}

// A slider writes the chosen entry only while its group is the entry's:
// the other groups' sliders stand hidden.
void OutsidePanel::effectSliderMoved(SliderGroup group, size_t index, int value) {
  const std::optional<int> chosen = chosenEntry();
  if (!chosen) return;
  const EffectType type = context_.design.model.style().effects[size_t(*chosen)].type;
  if (outsideEffect(type).sliders != group) return;
  setChosen([&](EffectEntry& entry) { entry.values[index] = value; });
}

void OutsidePanel::keepEffectSliders(SourceKind kind) {
  for (const EffectEntry& entry : context_.design.model.style().effects)
    storeEffectSliders(context_.design.kindSettings[kind], entry.type,
                       {entry.values, entryRgb(entry)});
}

// An effect added comes with the sliders and colour the source kind last
// kept for it.
EffectEntry OutsidePanel::keptEntry(EffectType type) const {
  const DesignState& design = context_.design;
  EffectEntry entry = effectEntry(type);
  const EffectSliders kept = loadEffectSliders(design.kindSettings[design.sourceKind], type);
  entry.values = kept.positions;
  if (outsideEffect(type).colour != EffectColour::None) entry.colour = styleColour(kept.colour);
  return entry;
}

void OutsidePanel::updateShadowLabels(int k) {
  runTrapped(context_.platform, siteTag::frmMain_UpdateShadowPanel, [&] {
    const auto labels = shadowLabels(k, shadowSlider(k)->Value(), outsideEffect(chosenEffect()));
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

// The button always shows the colour picked; the chosen entry takes it as
// its outline or glow colour only when it paints with one.
void OutsidePanel::takeOutlineColour(const QColor& colour) {
  paintOutlineButton(colour);
  if (outsideEffect(chosenEffect()).colour == EffectColour::None) return;
  setChosen([&](EffectEntry& entry) { entry.colour = styleColour(colour); });
}

EffectType OutsidePanel::chosenEffect() const {
  const std::optional<int> index = chosenEntry();
  return index ? context_.design.model.style().effects[size_t(*index)].type : EffectType::NoContour;
}

void OutsidePanel::pickOutlineColour(Qt::MouseButtons buttons, QPoint at) {
  if (auto colour = paletteColour(outlinePalette_->picture(), buttons, at))
    takeOutlineColour(*colour);
}
