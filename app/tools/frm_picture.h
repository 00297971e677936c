// `FrmPicture`: the picture tool. It cuts a subject out of a photo: the photo
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

#include "state/colour_keying.h"
#include "state/undo_files.h"
#include "tools/sketch_figures.h"

class EngineLibrary;
class File;
class MainWindowLink;
class MaskCanvas;
class MirelSlider;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class FrmPicture : public QWidget {
  Q_OBJECT
 public:
  // A tool window owned by `main`, not modal.
  explicit FrmPicture(MainWindowLink& main);
  // The window's unload: its undo files go.
  ~FrmPicture() override;

  // Controls.
  QWidget* Picture3;  // viewport, its background the transparent colour
  PictureBox* Picture1;
  MaskCanvas* Picture2;
  QFrame* Frame2;
  QFrame* Frame3;
  QFrame* Frame4;
  std::array<QPushButton*, 5> Command1;  // Apply, Cancel, Load, Mask, Remove
  QPushButton* Command2;
  QPushButton* Command3;
  std::array<QLabel*, 3> Label1;
  std::array<QLabel*, 7> Label2;
  QLabel* Label4;
  std::array<QPushButton*, 7> CmdPlus{};  // 1..6
  std::array<QPushButton*, 7> CmdMoins{};
  std::array<QToolButton*, 4> Option1;
  std::array<QRadioButton*, 2> Option2;
  MirelSlider* Slider1;

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
  void boundPressed(int index, bool plus);
  void boundReleased(int index, bool plus);
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

  // Elapsed time of a held bound button; tests may move it on.
  std::function<qint64()> clock;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  SketchFigure maskFigure() const;
  void buildViews();
  void buildColourPanel();
  void buildMaskPanel();
  void buildCommands();
  void connectControls();
  void enableKeyingCommands(bool on);
  void writeBoundLabels();
  void writeBoundLabel(int index);
  void runKeying();
  void loadPictureFile();
  void showFramedPicture(const QImage& photo);
  void enterMaskMode();
  void apply();
  void cancel();
  void remove();
  void leave();
  void saveUndo();
  void loadUndo();

  MainWindowLink& main_;
  EngineLibrary* engine_;
  QTimer boundTimer_;
  QElapsedTimer ticks_;  // what `clock` reads unless a test replaces it
  qint64 heldSince_ = 0;
  int heldIndex_ = 0;
};
