// The tab strip `tabstrip1` and its four panels `Frametab` (0..3): fill
// ("Inside"), material ("Edge"), outside effect ("Outside") and deformation
// ("Deformation"). Only the selected tab's panel stands in view and is
// enabled; the others wait far to the left.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "state/kind_settings.h"
#include "widgets/mirel_slider.h"
#include "widgets/picture_box.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;

inline constexpr int panelShownLeft = 2;
inline constexpr int panelHiddenLeft = -1500;
inline constexpr int panelTopInStrip = 23;

class TabPanels : public QWidget {
  Q_OBJECT
 public:
  explicit TabPanels(QWidget* parent = nullptr);

  // Moves the panel of the selected tab (1..4) into view and enables it;
  // the others move out of view, disabled.
  void showPanelOfTab(int selectedTab);

  QTabBar* tabstrip1;
  std::array<QFrame*, 4> Frametab;

  // "Inside"
  std::array<QRadioButton*, 2> Option3;   // "color :", "Texture :"
  PictureBox* Picture4;                   // fill colour palette
  std::array<QPushButton*, 2> CmdInside;  // "more", "load texture"
  std::array<PictureBox*, 4> PicInside1;  // surface patterns
  QFrame* Frame2;
  std::array<QRadioButton*, 3> OptClr;    // curve axis
  PictureBox* PicBezier;                  // profile curve
  std::array<PictureBox*, 2> PicInside2;  // fill preview, texture preview

  // "Edge"
  std::array<PictureBox*, 8> Picture3;  // materials

  // "Outside"
  QListWidget* List3;
  QFrame* FrameShadow;
  std::array<QLabel*, 3> Label1;
  // The shadow sliders and their value labels, numbered 1..3 like the
  // kind settings' slider columns.
  MirelSlider* shadowSlider(int k) const { return shadowSliders_.at(k - 1); }
  QLabel* shadowValueLabel(int k) const { return shadowValueLabels_.at(k - 1); }
  QFrame* FrameOutline;
  QLabel* LabelOutline1;
  MirelSlider* SliderOutline;
  QLabel* LabelOutline2;
  PictureBox* PictureOutline;
  QPushButton* CmdOutline;
  QFrame* FrameEngraved;
  MirelSlider* SliderEngraved;
  QLabel* engravedWidthLabel() const { return engravedWidthLabel_; }

  // "Deformation"
  std::array<QRadioButton*, 3> Option2;  // "No", "Rotate", "Curve"
  MirelSlider* SliderDeform;
  QLabel* LabelDef1;
  QLabel* LabelDef2;

  // The index of the selected `Option2` button: the deformation type.
  int selectedDeformation() const;
  // Shows the frame of an outside effect's settings.
  void showEffectFrame(EffectType effect);

  // Shows surface pattern or material `index` raised, the others flat.
  void raisePattern(int index);
  void raiseMaterial(int index);
  // Selects the `OptClr` button of a curve axis without running its click.
  void selectCurveAxis(int axis);
  // Paints `CmdOutline` in `colour`, the colour its dialog starts from.
  void paintOutlineButton(const QColor& colour);
  QColor outlineButtonColour() const { return outlineButtonColour_; }
  // Tiles the texture picture across the texture preview `PicInside2` (1).
  void showTexturePreview(const QImage& texture);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildInside(QFrame* panel);
  void buildEdge(QFrame* panel);
  void buildOutside(QFrame* panel);
  void buildShadowFrame();
  void buildOutlineFrame();
  void buildEngravedFrame();
  void buildDeformation(QFrame* panel);

  QColor outlineButtonColour_;
  std::array<MirelSlider*, 3> shadowSliders_;
  std::array<QLabel*, 3> shadowValueLabels_;
  QLabel* engravedWidthLabel_;
};

// "Inside" and the other captions, padded with blanks to 11 characters.
QString tabCaption(const QString& caption);
