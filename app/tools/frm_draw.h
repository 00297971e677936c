// `FrmDraw`: the shape drawing tool. The user draws a black shape on a white
// drawing area; Apply writes it, inside a white 32-pixel margin, as the
// design's shape file and makes the shape the design's source. The window
// stays loaded between openings, so the drawing and its undo steps survive.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

#include "state/undo_files.h"

class DrawingArea;
class File;
class MainWindowLink;
struct SketchFigure;
class QButtonGroup;
class QFrame;
class QPushButton;
class QSlider;
class QToolButton;

// The white margin around the drawing in the shape file: the render takes
// the mask's frame off the design's position.
inline constexpr int shapeMargin = 32;

class FrmDraw : public QWidget {
  Q_OBJECT
 public:
  // Owned by `main`, whose source selector it calls when it finishes.
  explicit FrmDraw(MainWindowLink& main);
  // The window's unload: the undo steps' files go.
  ~FrmDraw() override;

  // Controls.
  DrawingArea* Picture1;  // drawing area
  QImage Picture2;        // output canvas: the drawing inside a white margin
  QFrame* Frame2;
  std::array<QToolButton*, 7> Option1;  // tools, see drawTool
  QSlider* Slider1;                     // pen width / 3
  QPushButton* Command2;                // undo
  QFrame* Frame1;
  std::array<QPushButton*, 2> Command1;  // "&Apply", "&Cancel"

  // Window state.
  int StartX = 0, StartY = 0;
  int EndX = 0, EndY = 0;
  bool Drawing = false;
  int tool() const;
  int penWidth() const { return penWidth_; }
  const UndoFiles& undoFiles() const { return *undo_; }

  // Handlers.
  void load();
  void unload();
  void pressed(Qt::MouseButton button, QPoint at);
  void moved(Qt::MouseButtons buttons, QPoint at);
  void released(QPoint at);
  void sliderChanged(int value);
  void toolClicked(int index);
  void undoClicked();
  void commandClicked(int index);

  // Window procedures.
  void Save_Undo();
  void Reset_Undo();

 protected:
  // The title bar's close button cancels, like the Cancel button.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildToolButtons();
  void buildCommands();
  SketchFigure currentFigure() const;
  QColor penColour() const;
  void apply();
  void cancel();
  void writeShapeFile();

  MainWindowLink& main_;
  QButtonGroup* tools_;
  int penWidth_ = 15;
  std::unique_ptr<File> file_;
  std::unique_ptr<UndoFiles> undo_;
};
