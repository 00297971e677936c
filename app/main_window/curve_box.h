// The profile curve box `PicBezier` on the "Inside" panel: a point is
// picked by a press and lands where the button is released; the pointer's
// curve coordinates show in the status bar. A right press opens the popup
// menu to reset, save or load the curve. The box draws the model's curve
// whenever it changes.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

#include "design/setting_declarations.h"
#include "main_window/panel_context.h"

class PictureBox;
class QAction;
class QMenu;

// The curve box's popup menu and its entries.
struct CurveMenu {
  QMenu* menu = nullptr;
  QAction* reset = nullptr;
  QAction* save = nullptr;
  QAction* load = nullptr;
};

class CurveBox : public QObject {
  Q_OBJECT
 public:
  CurveBox(const PanelContext& context, QWidget& panel);

  // Connects the popup menu's entries.
  void attach(const CurveMenu& menu);
  PictureBox* view() const { return view_; }
  void draw();

 signals:
  // A point dropped or a curve reset or loaded: the live preview follows.
  void settingChanged();

 private:
  void describeView();
  void connectView();
  void pressed(Qt::MouseButton button, QPoint at);
  void moved(Qt::MouseButtons buttons, QPoint at);
  void released(Qt::MouseButton button, QPoint at);
  void reset();
  void saveAs();
  void loadFile();

  PanelContext context_;
  PictureBox* view_;
  CurveMenu menu_;
  std::optional<int> pickedPoint_;  // the point the last left press hit
};
