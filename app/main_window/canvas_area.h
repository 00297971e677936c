// The canvas area of the main window: the canvas in its scrolled viewport,
// the design frame moved on it by the mouse (or by the arrow keys, which
// move the canvas's pointer), panning, the crop rectangle, View > Zoom, the
// notice of a design that runs past the canvas, Tools > Fit canvas to design
// and the handle from which the design is dragged out. Its handlers trap
// failures and report them under the window's site tags.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "main_window/canvas_gesture.h"
#include "main_window/canvas_viewport.h"
#include "main_window/canvas_zoom.h"
#include "rendering/whole_design.h"

class MainWindowLink;
class Platform;
class PrivateEngine;
class PictureBox;
class QAction;
struct MenuActions;
class QImage;
class QLabel;
class QMenu;
class QMimeData;
class QStatusBar;
struct DesignState;
struct Style;

// What the canvas area needs of the window that holds it.
class CanvasAreaWindow {
 public:
  // Its caption names the canvas picture.
  virtual QWidget& ownerWidget() = 0;
  // The relief engine and the colour of a new plain canvas.
  virtual MainWindowLink& link() = 0;
  // The size of the current source's picture; empty while it has none.
  virtual QSize sourceSize() const = 0;
  // Draws the design, as Draw does.
  virtual void draw() = 0;
  // The canvas now holds unsaved work.
  virtual void canvasChanged() = 0;
  // After a click on the canvas the typing goes on in the title, its
  // selection dropped, so that Ctrl+C copies the picture.
  virtual void returnToTitle() = 0;
  virtual void showStatus(const QString& text) = 0;
  // The canvas shows zoomed to this size: the window keeps its own size.
  virtual void keepSizeFor(QSize zoomedCanvas) = 0;
  // What a title is measured with: the style the panels show, the typed
  // title and the engine copy that draws apart from the window's.
  virtual Style currentStyle() const = 0;
  virtual QString titleText() const = 0;
  virtual std::shared_ptr<PrivateEngine> privateEngine() = 0;

 protected:
  ~CanvasAreaWindow() = default;
};

class CanvasArea : public QObject {
  Q_OBJECT
 public:
  // The viewport is made in `parent`.
  CanvasArea(QWidget& parent, CanvasAreaWindow& window, DesignState& document, Platform& platform);
  ~CanvasArea() override;

  // Connects the crop button and the View and Tools entries, looked up by
  // name, and puts the zoom and the overrun notice in the status bar.
  void attach(const MenuActions& actions, QAction& cropButton, QMenu& toolsMenu,
              QStatusBar& statusBar);

  CanvasViewport* viewport() const { return viewport_; }
  PictureBox* view() const { return viewport_->canvas(); }
  QLabel* zoomPane() const { return zoomPane_; }
  QLabel* cutNotice() const { return cutNotice_; }

  // The picture in the canvas is a new background: captured, with the
  // drawn design laid over it again.
  void captureCanvas();
  void showBackground(const QImage& picture);
  // Shows or hides the notice of a design that runs past the canvas. Seeing
  // the whole design costs several renders, so the window asks only after
  // an exact render: a drag's frames leave the notice to the frame drawn
  // once the drag rests.
  void showDesignOverrun();
  // The drawn design whole, also where it runs past the canvas.
  WholeDesign drawnDesign() const;
  // Adds the drawn design alone as a transparent PNG ("image/png").
  void offerTransparentDesign(QMimeData& data) const;
  // What a drag out of the canvas carries: the design alone as a transparent
  // PNG, as "image/png" and as a file of its own; null with nothing drawn.
  QMimeData* designDragData();

 private slots:
  void pressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void moved(Qt::MouseButtons buttons, QPoint at);
  void released(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void cropModeClicked();
  void toolsMenuOpening();
  void zoomIn();
  void zoomOut();
  void zoomToActualSize();
  void zoomToFit();
  void fitCanvasClicked();

 private:
  bool cropModeOn() const;
  void setCropMode(bool on);
  void refreshDesignFrameSize();
  QRect designFrameRectangle(QPoint offset) const;
  bool insideDesignFrame(QPoint at, QPoint offset = {}) const;
  void pan(QPoint at);
  void dragFrame(Qt::MouseButtons buttons, QPoint at);
  void scrollAtEdge(QPoint canvasPoint);
  void dropFrame(Qt::MouseButton button, QPoint at);
  void askAndCrop();
  void cropCanvas(QPoint from, QPoint to);
  void zoomTrapped(int percent);
  void setZoom(int percent);
  int roomPastCanvas() const;
  bool titleAlone() const;
  WholeDesign drawnTitle() const;
  QRect drawnDesignExtent() const;
  bool designMayRunPast() const;
  void fitCanvasToDesign();
  void redrawTitleAfter(QPoint shift);
  void connectDesignDrag();

  CanvasAreaWindow& window_;
  DesignState& document_;
  Platform& platform_;
  CanvasViewport* viewport_;
  QLabel* zoomPane_ = nullptr;
  QLabel* cutNotice_ = nullptr;
  QAction* cropButton_ = nullptr;
  QAction* cropEntry_ = nullptr;
  int zoomPercent_ = actualSize;
  CanvasGesture gesture_;
  // Holds the files dragged out of the canvas until the window closes.
  std::unique_ptr<QTemporaryDir> dragFolder_;
};
