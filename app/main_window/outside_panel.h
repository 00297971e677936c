// The "Outside" panel: the list of outside effects and the chosen effect's
// settings, in one of three frames (the shadows' three sliders; the width
// and colour of the outlines and the glow; the width of "Engraved" and
// "Raised"). Its controls write the design's model and show what it holds;
// each handler traps its failures under its own site tag.
#pragma once

#include <QColor>
#include <QFrame>
#include <array>
#include <vector>

#include "design/effect_stack.h"
#include "design/kind_settings.h"
#include "design/outside_effects.h"
#include "design/setting_declarations.h"
#include "main_window/panel_context.h"

class PictureBox;
class QLabel;
class QListWidget;
class QPushButton;
class TrackSlider;

struct Style;

// The effect the panel shows: the stack's top entry, or "No contour".
EffectType panelEffect(const Style& style);

class OutsidePanel : public QFrame {
  Q_OBJECT
 public:
  OutsidePanel(const PanelContext& context, QWidget* parent);

  QListWidget* effectList() const { return effectList_; }
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

  // Keeps the sliders of the effect in use in the row of `kind`.
  void keepEffectSliders(SourceKind kind);
  // Makes `chosen` the effect, with the sliders the source kind kept for it.
  void chooseEffect(EffectType chosen);
  // Shows the frame of an outside effect's settings.
  void showEffectFrame(EffectType effect);

 signals:
  // A control changed the effect or its settings: the live preview follows.
  void settingChanged();

 private:
  void build();
  int fitEffectList();
  void buildShadowFrame();
  void buildOutlineFrame();
  void buildEngravedFrame();
  void describeControls();
  void connectControls();
  void connectSliders();
  void connectColour();
  void followByPreview();
  // The sliders of an effect's group, in the order of its values.
  std::vector<TrackSlider*> effectSliders(SliderGroup group) const;
  void showSetting(Setting setting);
  void showEffectValues();
  void showEffectControls(EffectType effect);
  void effectSliderMoved(SliderGroup group, size_t index, int value);
  void effectListClicked();
  void updateShadowLabels(int k);
  bool noContour() const;
  void warnNoContour();
  void paintOutlineButton(const QColor& colour);
  void takeOutlineColour(const QColor& colour);
  void pickOutlineColour(Qt::MouseButtons buttons, QPoint at);

  PanelContext context_;
  QListWidget* effectList_;
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
