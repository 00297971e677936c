// The "Edge" panel: the material of the bevel. Each source kind keeps a
// curve and a curve axis per material group, so leaving a material keeps
// them and choosing one brings back what the kind had there; steel and gold
// bring their own curve and colour, shown on the "Inside" panel.
#pragma once

#include <QFrame>
#include <array>

#include "design/material_table.h"
#include "design/setting_declarations.h"
#include "main_window/panel_context.h"

class InsidePanel;
class PictureBox;

class EdgePanel : public QFrame {
  Q_OBJECT
 public:
  EdgePanel(const PanelContext& context, InsidePanel& inside, QWidget* parent);

  const std::array<PictureBox*, materialCount>& materialPictures() const {
    return materialPictures_;
  }

  // Stores the kind's curve and curve axis of the material in use.
  void keepMaterialCurve();
  // Brings back the kind's fill colour, curve axis and curve for `material`.
  void showMaterial(Material material);
  // Shows the material raised, the others flat.
  void raiseMaterial(Material material);

 signals:
  // A material was chosen: the live preview follows.
  void settingChanged();

 private:
  void describeControls();
  void selectMaterial(Material material);
  void loadMaterialCurve(Material material);

  PanelContext context_;
  InsidePanel& inside_;
  std::array<PictureBox*, materialCount> materialPictures_;
};
