// The tab strip `tabstrip1` and its four panels `Frametab` (0..3): fill
// ("Inside"), material ("Edge"), outside effect ("Outside") and deformation
// ("Deformation"), the pages of a stack under the strip: only the selected
// tab's panel is shown and enabled.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <vector>

#include "design/gradient_fill.h"
#include "design/kind_settings.h"
#include "design/material_table.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;

inline constexpr int panelLeftInStrip = 2;
inline constexpr int panelTopInStrip = 23;

class TabPanels : public QWidget {
  Q_OBJECT
 public:
  explicit TabPanels(QWidget* parent = nullptr);

  // Shows the panel of the selected tab (1..4) and enables it; the others
  // wait hidden, disabled.
  void showPanelOfTab(int selectedTab);

  QTabBar* tabStrip() const { return tabStrip_; }
  const std::array<QFrame*, 4>& panelFrames() const { return panelFrames_; }

  // "Inside"
  // "color :", "Texture :", "Gradient :": the fill kinds 0..2.
  const std::array<QRadioButton*, 3>& fillSourceButtons() const { return fillSourceButtons_; }
  PictureBox* fillPalette() const { return fillPalette_; }
  const std::array<QPushButton*, 2>& fillButtons() const { return fillButtons_; }
  const std::array<PictureBox*, 4>& patternPictures() const { return patternPictures_; }
  QFrame* curveAxisFrame() const { return curveAxisFrame_; }
  const std::array<QRadioButton*, 3>& curveAxisButtons() const { return curveAxisButtons_; }
  PictureBox* curveView() const { return curveView_; }
  const std::array<PictureBox*, 2>& fillPreviews() const { return fillPreviews_; }
  QPushButton* gradientButton() const { return gradientButton_; }
  PictureBox* gradientPreview() const { return gradientPreview_; }

  // "Edge"
  const std::array<PictureBox*, materialCount>& materialPictures() const {
    return materialPictures_;
  }

  // "Outside"
  QListWidget* effectList() const { return effectList_; }
  QFrame* shadowFrame() const { return shadowFrame_; }
  const std::array<QLabel*, 3>& shadowCaptions() const { return shadowCaptions_; }
  // The shadow sliders and their value labels, numbered 1..3 like the
  // kind settings' slider columns.
  TrackSlider* shadowSlider(int k) const { return shadowSliders_.at(k - 1); }
  QLabel* shadowValueLabel(int k) const { return shadowValueLabels_.at(k - 1); }
  QFrame* outlineFrame() const { return outlineFrame_; }
  QLabel* outlineCaption() const { return outlineCaption_; }
  TrackSlider* outlineSlider() const { return outlineSlider_; }
  QLabel* outlineValueLabel() const { return outlineValueLabel_; }
  PictureBox* outlinePalette() const { return outlinePalette_; }
  QPushButton* outlineColourButton() const { return outlineColourButton_; }
  QFrame* engravedFrame() const { return engravedFrame_; }
  TrackSlider* engravedSlider() const { return engravedSlider_; }
  QLabel* engravedWidthLabel() const { return engravedWidthLabel_; }

  // "Deformation"
  const std::array<QRadioButton*, 3>& deformationButtons() const { return deformationButtons_; }
  TrackSlider* deformSlider() const { return deformSlider_; }
  QLabel* deformCaption() const { return deformCaption_; }
  QLabel* deformValueLabel() const { return deformValueLabel_; }

  // The deformation of the selected deformation button.
  DeformationType selectedDeformation() const;
  // The sliders of an effect's group, in the order of its values.
  std::vector<TrackSlider*> effectSliders(SliderGroup group) const;
  // Shows the frame of an outside effect's settings.
  void showEffectFrame(EffectType effect);

  // Shows the surface pattern or material raised, the others flat.
  void raisePattern(SurfacePatternType pattern);
  void raiseMaterial(Material material);
  // Selects the button of a curve axis without running its click.
  void selectCurveAxis(CurveAxis axis);
  // Paints the outline colour button in `colour`, the colour its dialog starts from.
  void paintOutlineButton(const QColor& colour);
  QColor outlineButtonColour() const { return outlineButtonColour_; }
  // Tiles the texture picture across the texture preview.
  void showTexturePreview(const QImage& texture);
  // Paints the gradient across its preview.
  void showGradientPreview(const FillGradient& gradient);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildInside(QFrame* panel);
  void buildGradient(QFrame* panel);
  void buildEdge(QFrame* panel);
  void buildOutside(QFrame* panel);
  int fitEffectList();
  void buildShadowFrame();
  void buildOutlineFrame();
  void buildEngravedFrame();
  void describeControls();
  void buildDeformation(QFrame* panel);

  QTabBar* tabStrip_;
  QStackedWidget* panelStack_;
  std::array<QFrame*, 4> panelFrames_;
  std::array<QRadioButton*, 3> fillSourceButtons_;  // "color :", "Texture :", "Gradient :"
  PictureBox* fillPalette_;                         // fill colour palette
  std::array<QPushButton*, 2> fillButtons_;         // "more", "load texture"
  std::array<PictureBox*, 4> patternPictures_;      // surface patterns
  QFrame* curveAxisFrame_;
  std::array<QRadioButton*, 3> curveAxisButtons_;  // curve axis
  PictureBox* curveView_;                          // profile curve
  std::array<PictureBox*, 2> fillPreviews_;        // fill preview, texture preview
  QPushButton* gradientButton_;                    // "edit gradient"
  PictureBox* gradientPreview_;
  std::array<PictureBox*, materialCount> materialPictures_;  // materials
  QListWidget* effectList_;
  QFrame* shadowFrame_;
  std::array<QLabel*, 3> shadowCaptions_;
  QFrame* outlineFrame_;
  QLabel* outlineCaption_;
  TrackSlider* outlineSlider_;
  QLabel* outlineValueLabel_;
  PictureBox* outlinePalette_;
  QPushButton* outlineColourButton_;
  QFrame* engravedFrame_;
  QLabel* engravedCaption_;
  TrackSlider* engravedSlider_;
  std::array<QRadioButton*, 3> deformationButtons_;  // "No", "Rotate", "Curve"
  TrackSlider* deformSlider_;
  QLabel* deformCaption_;
  QLabel* deformValueLabel_;
  QColor outlineButtonColour_;
  std::array<TrackSlider*, 3> shadowSliders_;
  std::array<QLabel*, 3> shadowValueLabels_;
  QLabel* engravedWidthLabel_;
};

// "Inside" and the other captions, padded with blanks to 11 characters.
QString tabCaption(const QString& caption);
