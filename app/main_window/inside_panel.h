// The "Inside" panel: the fill (a colour from the palette or the colour
// dialog, a texture picture, a gradient), the surface pattern, the curve
// axis and the profile curve box. Its controls write the design's model and
// show what it holds; each handler traps its failures under its own site
// tag.
#pragma once

#include <QFrame>
#include <array>

#include "design/gradient_fill.h"
#include "design/kind_settings.h"
#include "design/setting_declarations.h"
#include "main_window/curve_box.h"
#include "main_window/panel_context.h"

class PictureBox;
class QPushButton;
class QRadioButton;

class InsidePanel : public QFrame {
  Q_OBJECT
 public:
  InsidePanel(const PanelContext& context, QWidget* parent);

  // "color :", "Texture :", "Gradient :": the fill kinds 0..2.
  const std::array<QRadioButton*, 3>& fillSourceButtons() const { return fillSourceButtons_; }
  PictureBox* fillPalette() const { return fillPalette_; }
  // "more", "load texture".
  const std::array<QPushButton*, 2>& fillButtons() const { return fillButtons_; }
  const std::array<PictureBox*, 4>& patternPictures() const { return patternPictures_; }
  const std::array<QRadioButton*, 3>& curveAxisButtons() const { return curveAxisButtons_; }
  // The fill colour preview and the texture preview.
  const std::array<PictureBox*, 2>& fillPreviews() const { return fillPreviews_; }
  QPushButton* gradientButton() const { return gradientButton_; }
  PictureBox* gradientPreview() const { return gradientPreview_; }
  CurveBox& curveBox() const { return *curveBox_; }

  // Draws the fill colour across the curve axis; the kind keeps the colour
  // unless the material brings its own.
  void drawFillPreview();
  // Reads the texture picture at `path` and makes it the kind's texture.
  void showTexture(const QString& path);
  // Shows the surface pattern raised, the others flat.
  void raisePattern(SurfacePatternType pattern);

 signals:
  // A control changed the fill or the curve: the live preview follows.
  void settingChanged();

 private:
  void build();
  void buildGradient();
  void describeControls();
  void connectControls();
  void connectPatterns();
  void followByPreview();
  void showSetting(Setting setting);
  void showGradientPreview(const FillGradient& gradient);
  void setFillColour(const QColor& colour);
  void pickFillColour(std::string_view site, Qt::MouseButtons buttons, QPoint at);
  void fillCommandClicked(int index);
  void loadTextureCommand();
  void editGradient();

  PanelContext context_;
  std::array<QRadioButton*, 3> fillSourceButtons_;
  PictureBox* fillPalette_;
  std::array<QPushButton*, 2> fillButtons_;
  std::array<PictureBox*, 4> patternPictures_;
  QFrame* curveAxisFrame_;
  std::array<QRadioButton*, 3> curveAxisButtons_;
  CurveBox* curveBox_;
  std::array<PictureBox*, 2> fillPreviews_;
  QPushButton* gradientButton_;
  PictureBox* gradientPreview_;
};
