// The "Outside" panel: the stack of outside effects as a list, its top
// entry first as in a layer list (each row the effect's name, its colour
// swatch and whether it is drawn), the buttons that add, remove and move
// entries, and beside them the chosen entry's settings, in one of three
// frames (the shadows' three sliders; the width and colour of the outlines
// and the glow; the width of "Engraved" and "Raised"). Every change is one
// change of the design's model; each handler traps its failures under its
// own site tag.
#pragma once

#include <QColor>
#include <QFrame>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "design/effect_stack.h"
#include "design/kind_settings.h"
#include "design/outside_effects.h"
#include "design/setting_declarations.h"
#include "main_window/panel_context.h"

class PictureBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class TrackSlider;

class OutsidePanel : public QFrame {
  Q_OBJECT
 public:
  OutsidePanel(const PanelContext& context, QWidget* parent);

  // The stack, top entry first; checking a row switches its entry on.
  QListWidget* effectList() const { return effectList_; }
  QPushButton* addButton() const { return stackButtons_[0]; }
  QPushButton* removeButton() const { return stackButtons_[1]; }
  QPushButton* upButton() const { return stackButtons_[2]; }
  QPushButton* downButton() const { return stackButtons_[3]; }
  // The effects Add offers, in the order of the effect table.
  QMenu* addMenu() const { return addMenu_; }
  // The stack index of the chosen row, when a row is chosen.
  std::optional<int> chosenEntry() const;
  QFrame* shadowFrame() const { return shadowFrame_; }
  const std::array<QLabel*, 3>& shadowCaptions() const { return shadowCaptions_; }
  // The shadow sliders and their value labels, numbered 1..3 like the
  // kind settings' slider columns.
  TrackSlider* shadowSlider(int k) const { return shadowSliders_.at(k - 1); }
  QLabel* shadowValueLabel(int k) const { return shadowValueLabels_.at(k - 1); }
  QLabel* outlineCaption() const { return outlineCaption_; }
  TrackSlider* outlineSlider() const { return outlineSlider_; }
  QLabel* outlineValueLabel() const { return outlineValueLabel_; }
  PictureBox* outlinePalette() const { return outlinePalette_; }
  QPushButton* outlineColourButton() const { return outlineColourButton_; }
  // The colour the outline colour button shows, which its dialog starts from.
  QColor outlineButtonColour() const { return outlineButtonColour_; }
  TrackSlider* engravedSlider() const { return engravedSlider_; }

  // Keeps the sliders of each effect in the stack in the row of `kind`, the
  // upper entry's where an effect stands twice.
  void keepEffectSliders(SourceKind kind);
  // Shows the frame of an outside effect's settings.
  void showEffectFrame(EffectType effect);

 signals:
  // A control changed the effect or its settings: the live preview follows.
  void settingChanged();

 private:
  EffectEntry keptEntry(EffectType type) const;
  void build();
  int buildStackButtons();
  void buildShadowFrame();
  void buildOutlineFrame();
  void buildEngravedFrame();
  void describeControls();
  void connectControls();
  void connectStack();
  void connectSliders();
  void connectColour();
  void followByPreview();
  // The sliders of an effect's group, in the order of its values.
  std::vector<TrackSlider*> effectSliders(SliderGroup group) const;
  void showSetting(Setting setting);
  void showStack();
  void fillRow(int row, const EffectEntry& entry);
  void enableStackButtons();
  void showChosenEntry();
  void showEffectControls(const EffectEntry& entry);
  // Runs one change of the stack, then chooses `row` of the list it leaves.
  template <typename Change>
  void changeStack(Change&& change, int row);
  void setChosen(const std::function<void(EffectEntry&)>& change);
  EffectType chosenEffect() const;
  void effectSliderMoved(SliderGroup group, size_t index, int value);
  void updateShadowLabels(int k);
  bool noContour() const;
  void warnNoContour();
  void paintOutlineButton(const QColor& colour);
  void takeOutlineColour(const QColor& colour);
  void pickOutlineColour(Qt::MouseButtons buttons, QPoint at);

  PanelContext context_;
  QListWidget* effectList_;
  std::array<QPushButton*, 4> stackButtons_;  // "Add", "Remove", "Up", "Down"
  QMenu* addMenu_;
  QFrame* shadowFrame_;
  std::array<QLabel*, 3> shadowCaptions_;
  std::array<TrackSlider*, 3> shadowSliders_;
  std::array<QLabel*, 3> shadowValueLabels_;
  QFrame* outlineFrame_;
  QLabel* outlineCaption_;
  TrackSlider* outlineSlider_;
  QLabel* outlineValueLabel_;
  PictureBox* outlinePalette_;
  QPushButton* outlineColourButton_;
  QColor outlineButtonColour_;
  QFrame* engravedFrame_;
  QLabel* engravedCaption_;
  TrackSlider* engravedSlider_;
  QLabel* engravedWidthLabel_;
};
