// The handlers of the four tab panels under the canvas: Inside (fill
// colour, texture, gradient, curve axis, surface pattern), Edge (material),
// Outside (effect and its sliders, outline and glow colours), Deformation,
// and the profile curve box with its popup menu. Each trap failures and
// report them under their own site tags. The controls write the design's
// model and show what it holds: every change of a setting, whoever makes
// it, reaches the controls through `showSetting`.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "design/kind_settings.h"
#include "design/material_table.h"
#include "design/setting_declarations.h"
#include "main_window/curve_editor.h"
#include "rendering/render_pipeline.h"

class Platform;
class QAction;
class QColor;
class QMenu;
class QWidget;
class TabPanels;
struct DesignState;
struct Style;

// The effect the Outside panel shows: the stack's top entry, or "No contour".
EffectType panelEffect(const Style& style);

// The curve box's popup menu and its entries.
struct CurveMenu {
  QMenu* menu = nullptr;
  QAction* reset = nullptr;
  QAction* save = nullptr;
  QAction* load = nullptr;
};

// What the panels need of the window that holds them.
class DesignPanelsWindow {
 public:
  // Owns the colour and gradient dialogs.
  virtual QWidget& ownerWidget() = 0;
  // The status pane, which shows the curve box's readout.
  virtual void showStatus(const QString& text) = 0;

 protected:
  ~DesignPanelsWindow() = default;
};

class DesignPanels : public QObject {
  Q_OBJECT
 public:
  DesignPanels(TabPanels& panels, DesignPanelsWindow& window, DesignState& design,
               Platform& platform, QString programFolder);

  // Connects the panels' controls and the curve box's popup menu.
  void attach(const CurveMenu& curveMenu);
  const CurveMenu& curveMenu() const { return curveMenu_; }

  // Stores the settings of `previousKind` and shows those of the design's
  // source kind.
  void switchSourceKind(SourceKind previousKind);
  // Applies `style` to the model, keeping first what the user's clicks
  // keep on leaving a material and an effect; `texturePath` is the texture
  // file of a textured fill.
  void applyStyle(const Style& style, const QString& texturePath);
  void drawFillPreview();
  void drawCurveBox();

 signals:
  // A setting changed outside the controls the live preview follows.
  void settingChanged();

 private slots:
  void fillPalettePressed(Qt::MouseButtons buttons, QPoint at);
  void fillPaletteMoved(Qt::MouseButtons buttons, QPoint at);
  void insideCommandClicked(int index);
  void editGradient();
  void curveAxisClicked(CurveAxis axis);
  void surfacePatternPressed(SurfacePatternType pattern);
  void surfacePatternClicked(SurfacePatternType pattern);
  void selectMaterial(Material material);
  void effectListClicked();
  void shadowSliderChanged(int k);
  void shadowSliderReleased(int k);
  void outlineSliderChanged();
  void outlineSliderReleased();
  void engravedSliderChanged();
  void engravedSliderReleased();
  void outlinePalettePressed(Qt::MouseButtons buttons, QPoint at);
  void outlinePaletteMoved(Qt::MouseButtons buttons, QPoint at);
  void outlineButtonClicked();
  void deformationClicked();
  void curveBoxPressed(Qt::MouseButton button, QPoint at);
  void curveBoxMoved(Qt::MouseButtons buttons, QPoint at);
  void curveBoxReleased(Qt::MouseButton button, QPoint at);
  void resetCurve();
  void saveCurveAs();
  void loadCurveFile();

 private:
  void connectInside();
  void connectOutside();
  void connectCurveBox();
  QString curvesFolder() const;
  void setFillColour(const QColor& colour);
  void loadTextureCommand();
  void showTexture(const QString& path);
  void keepMaterialCurve();
  void loadMaterialCurve(Material material);
  void showEffectControls(EffectType effect);
  void updateShadowLabels(int k);
  void warnNoContour();
  bool noContour() const;
  void pickOutlineColour(Qt::MouseButtons buttons, QPoint at);
  void takeOutlineColour(const QColor& colour);
  void updateDeformationLabel();
  void showSetting(Setting setting);
  void showEffectValues();
  void connectModelWrites();
  void effectSliderMoved(SliderGroup group, size_t index, int value);
  // Brings back the kind's fill colour, curve axis and curve for `material`.
  void showMaterial(Material material);
  void keepEffectSliders(SourceKind kind);
  void chooseEffect(EffectType chosen);

  TabPanels& panels_;
  DesignPanelsWindow& window_;
  DesignState& design_;
  Platform& platform_;
  QString programFolder_;
  CurveMenu curveMenu_;
  std::optional<int> selectedCurvePoint_;  // the point the last left press hit
};
