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
#include "main_window/deformation_panel.h"
#include "main_window/outside_panel.h"
#include "main_window/panel_context.h"
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
  TabPanels(const PanelContext& context, QWidget* parent);

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

  OutsidePanel& outside() const { return *outside_; }
  DeformationPanel& deformation() const { return *deformation_; }

  // Shows the surface pattern or material raised, the others flat.
  void raisePattern(SurfacePatternType pattern);
  void raiseMaterial(Material material);
  // Selects the button of a curve axis without running its click.
  void selectCurveAxis(CurveAxis axis);
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
  void describeControls();

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
  OutsidePanel* outside_;
  DeformationPanel* deformation_;
};

// "Inside" and the other captions, padded with blanks to 11 characters.
QString tabCaption(const QString& caption);
