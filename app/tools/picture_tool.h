// `PictureTool`: the picture tool. It cuts a subject out of a photo: the photo
// is framed and keyed by colour ranges, the resulting mask is finished by
// hand, and Apply hands the framed picture and its mask to the design as
// the picture source. Applying or cancelling only hides the window, so its
// picture, mask, ranges and undo files last until the program ends.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "design/sketch_figures.h"
#include "design/tool_design.h"
#include "rendering/colour_keying.h"
#include "undo/undo_files.h"

class EngineLibrary;
class File;
class MainWindowLink;
class MaskCanvas;
class TrackSlider;
class PictureBox;
class Platform;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class PictureTool : public QWidget {
  Q_OBJECT
 public:
  // A tool window owned by `main`, not modal; it hands the keyed picture
  // and its mask to `design`.
  PictureTool(MainWindowLink& main, ToolDesign design, Platform& platform);
  // The window's unload: its undo files go.
  ~PictureTool() override;

  // The viewport, its background the transparent colour.
  QWidget* viewport() const { return viewport_; }
  PictureBox* photoView() const { return photoView_; }
  MaskCanvas* maskCanvas() const { return maskCanvas_; }
  QFrame* colourPanel() const { return colourPanel_; }
  QFrame* maskPanel() const { return maskPanel_; }
  QPushButton* applyButton() const { return commandButtons_[0]; }
  QPushButton* cancelButton() const { return commandButtons_[1]; }
  QPushButton* loadButton() const { return commandButtons_[2]; }
  QPushButton* maskButton() const { return commandButtons_[3]; }
  QPushButton* removeButton() const { return commandButtons_[4]; }
  QPushButton* transparentColourButton() const { return transparentColourButton_; }
  QPushButton* maskUndoButton() const { return maskUndoButton_; }
  // How much of the photo the keying keeps, in words, under the commands.
  QLabel* keptShareLabel() const { return keptShare_; }
  // Red low, red high, green low, green high, blue low, blue high.
  const std::array<QLabel*, 6>& boundLabels() const { return boundLabels_; }
  const std::array<QPushButton*, 6>& raiseButtons() const { return raiseButtons_; }
  const std::array<QPushButton*, 6>& lowerButtons() const { return lowerButtons_; }
  const std::array<QToolButton*, 4>& toolButtons() const { return toolButtons_; }
  const std::array<QRadioButton*, 2>& penColourButtons() const { return penColourButtons_; }
  TrackSlider* penWidthSlider() const { return penWidthSlider_; }

  // Window state.
  KeyRanges ranges;
  QPoint start;  // StartX, StartY
  QPoint end;    // EndX, EndY
  bool Drawing = false;
  bool Activated = false;
  bool PlusHeld = false;
  bool MinusHeld = false;
  int tool = sketchTool::Freehand;
  std::optional<UndoFiles> undoFiles;
  QString chosenFile;  // last picture loaded through the open dialog

  // The relief engine that keys; the program's own unless replaced.
  void useEngine(EngineLibrary& engine) { engine_ = &engine; }
  // The ellipse ratio dialog, shown modally when the ellipse tool is chosen.
  std::function<void()> showEllipseRatio = [] {};

  // Window events.
  void load();
  void activated();
  void command1Clicked(int index);
  void transparentColourClicked();
  // `index` counts the bound buttons from 0, in the order of boundLabels.
  void boundButtonPressed(int index, bool plus);
  void boundButtonReleased(int index, bool plus);
  // One tick of a held bound button: steps the bound when 100 ms passed.
  void heldBoundTick();
  void pictureReleased(Qt::MouseButton button, QPoint at);
  void maskPressed(Qt::MouseButton button, QPoint at);
  void maskMoved(Qt::MouseButtons buttons, QPoint at);
  void maskReleased(Qt::MouseButton button, QPoint at);
  void toolClicked(int index);
  void penColourClicked(int index);
  void penWidthChanged(int value);
  void undoClicked();
  // Load's work on a chosen file; a dropped picture comes in the same way.
  void loadPhoto(const QString& path);

  // Elapsed time of a held bound button; tests may move it on.
  std::function<qint64()> clock;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  SketchFigure maskFigure() const;
  void buildViews();
  void buildColourPanel();
  void buildMaskPanel();
  void buildCommands();
  void connectControls();
  void enableKeyingCommands(bool on);
  // The key ranges number their bounds from 1.
  static int keyBound(int buttonIndex) { return buttonIndex + 1; }
  void writeBoundLabels();
  void writeBoundLabel(int index);
  void runKeying();
  void loadPictureFile();
  void runCommand(const std::function<void()>& command);
  void showFramedPicture(const QImage& photo);
  void enterMaskMode();
  void apply();
  void cancel();
  void remove();
  void leave();
  void saveUndo();
  void loadUndo();

  MainWindowLink& main_;
  ToolDesign design_;
  Platform& platform_;
  QWidget* viewport_;
  PictureBox* photoView_;
  MaskCanvas* maskCanvas_;
  QFrame* colourPanel_;
  QFrame* maskPanel_;
  QFrame* penColourFrame_;
  std::array<QPushButton*, 5> commandButtons_;  // Apply, Cancel, Load, Mask, Remove
  QPushButton* transparentColourButton_;
  QPushButton* maskUndoButton_;
  QLabel* selectCaption_;
  std::array<QLabel*, 3> channelCaptions_;
  std::array<QLabel*, 6> boundLabels_;
  std::array<QPushButton*, 6> raiseButtons_;
  std::array<QPushButton*, 6> lowerButtons_;
  QLabel* maskHint_;
  QLabel* keptShare_;
  std::array<QToolButton*, 4> toolButtons_;
  std::array<QRadioButton*, 2> penColourButtons_;
  TrackSlider* penWidthSlider_;
  EngineLibrary* engine_;
  QTimer boundTimer_;
  QElapsedTimer ticks_;  // what `clock` reads unless a test replaces it
  qint64 heldSince_ = 0;
  int heldIndex_ = 0;
  QString loadFolder_;  // where Load's dialog starts: the last folder chosen from
};
