// The handlers of the "Inside" and "Edge" panels under the canvas (fill
// colour, texture, gradient, curve axis, surface pattern; material) and of
// the profile curve box with its popup menu, and the panels' part of
// switching the source kind and applying a style. Each handler traps its
// failures and reports them under its own site tag. The controls write the
// design's model and show what it holds: every change of a setting,
// whoever makes it, reaches the controls through `showSetting`.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include "design/kind_settings.h"
#include "design/material_table.h"
#include "design/setting_declarations.h"
#include "main_window/curve_editor.h"
#include "main_window/panel_context.h"
#include "rendering/render_pipeline.h"

class Platform;
class QAction;
class QColor;
class QMenu;
class QWidget;
class TabPanels;
struct DesignState;
struct Style;

// The curve box's popup menu and its entries.
struct CurveMenu {
  QMenu* menu = nullptr;
  QAction* reset = nullptr;
  QAction* save = nullptr;
  QAction* load = nullptr;
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
  void curveBoxPressed(Qt::MouseButton button, QPoint at);
  void curveBoxMoved(Qt::MouseButtons buttons, QPoint at);
  void curveBoxReleased(Qt::MouseButton button, QPoint at);
  void resetCurve();
  void saveCurveAs();
  void loadCurveFile();

 private:
  void connectInside();
  void connectCurveBox();
  QString curvesFolder() const;
  void setFillColour(const QColor& colour);
  void loadTextureCommand();
  void showTexture(const QString& path);
  void keepMaterialCurve();
  void loadMaterialCurve(Material material);
  void showSetting(Setting setting);
  void connectModelWrites();
  // Brings back the kind's fill colour, curve axis and curve for `material`.
  void showMaterial(Material material);

  TabPanels& panels_;
  DesignPanelsWindow& window_;
  DesignState& design_;
  Platform& platform_;
  QString programFolder_;
  CurveMenu curveMenu_;
  std::optional<int> selectedCurvePoint_;  // the point the last left press hit
};
