// What every tab panel needs of the window that holds it: the design it
// shows and changes, the platform its dialogs and messages go through, the
// window that owns those dialogs, and the program folder with the stored
// curves and the textures.
#pragma once

#include <QString>

class Platform;
class QWidget;
struct DesignState;

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

struct PanelContext {
  DesignState& design;
  Platform& platform;
  DesignPanelsWindow& window;
  QString programFolder;

  QString curvesFolder() const { return programFolder + QStringLiteral("/curves"); }
};
