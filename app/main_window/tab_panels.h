// The tab strip `tabstrip1` and its four panels `Frametab` (0..3): fill
// ("Inside"), material ("Edge"), outside effect ("Outside") and deformation
// ("Deformation"), the pages of a stack under the strip: only the selected
// tab's panel is shown and enabled. Each panel builds, names and handles
// its own controls; what changes several panels at once (a source switch,
// a style) goes through here.
#pragma once

#include <QWidget>
#include <array>

#include "design/kind_settings.h"
#include "main_window/deformation_panel.h"
#include "main_window/edge_panel.h"
#include "main_window/inside_panel.h"
#include "main_window/outside_panel.h"
#include "main_window/panel_context.h"

class QFrame;
class QStackedWidget;
class QTabBar;
struct Style;

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
  InsidePanel& inside() const { return *inside_; }
  EdgePanel& edge() const { return *edge_; }
  OutsidePanel& outside() const { return *outside_; }
  DeformationPanel& deformation() const { return *deformation_; }

  // Stores the settings of `previousKind` and shows those of the design's
  // source kind.
  void switchSourceKind(SourceKind previousKind);
  // Applies `style` to the model, keeping first what the user's clicks
  // keep on leaving a material and an effect; `texturePath` is the texture
  // file of a textured fill.
  void applyStyle(const Style& style, const QString& texturePath);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  PanelContext context_;
  QTabBar* tabStrip_;
  QStackedWidget* panelStack_;
  InsidePanel* inside_;
  EdgePanel* edge_;
  OutsidePanel* outside_;
  DeformationPanel* deformation_;
  std::array<QFrame*, 4> panelFrames_;
};

// "Inside" and the other captions, padded with blanks to 11 characters.
QString tabCaption(const QString& caption);
