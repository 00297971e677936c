// `ShapeTool`: the shape drawing tool. The user draws a black shape on a white
// drawing area; Apply writes it, inside a white 32-pixel margin, as the
// design's shape file, hands the design the figures it was drawn with and
// makes the shape the design's source. The window stays loaded between
// openings, so the drawing, its figures and its undo steps survive.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

#include "design/shape_drawing.h"
#include "design/tool_design.h"
#include "undo/undo_files.h"

class DrawingArea;
class File;
class MainWindowLink;
class Platform;
class QButtonGroup;
class QFrame;
class QPushButton;
class QSlider;
class QToolButton;

class ShapeTool : public QWidget {
  Q_OBJECT
 public:
  // Owned by `main`, whose source selector it calls when it finishes; it
  // hands the shape to `design`.
  ShapeTool(MainWindowLink& main, ToolDesign design, Platform& platform);
  // The window's unload: the undo steps' files go.
  ~ShapeTool() override;

  DrawingArea* drawingArea() const { return drawingArea_; }
  const std::array<QToolButton*, 7>& toolButtons() const { return toolButtons_; }  // see drawTool
  QSlider* penWidthSlider() const { return penWidthSlider_; }
  QPushButton* undoButton() const { return undoButton_; }
  QPushButton* applyButton() const { return commandButtons_[0]; }
  QPushButton* cancelButton() const { return commandButtons_[1]; }

  int tool() const;
  int penWidth() const { return penWidth_; }
  const UndoFiles& undoFiles() const { return *undo_; }
  // What the drawing area shows, as the figures drawn on it.
  const ShapeDrawing& drawing() const { return sketch_; }

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
  void drawFinal(const SketchFigure& figure);
  void apply();
  void cancel();
  void writeShapeFile();

  MainWindowLink& main_;
  ToolDesign design_;
  Platform& platform_;
  DrawingArea* drawingArea_;
  ShapeDrawing sketch_;
  // The number of figures the drawing had at each undo step, by level.
  QList<qsizetype> figuresAtLevel_;
  QFrame* toolFrame_;
  std::array<QToolButton*, 7> toolButtons_;
  QSlider* penWidthSlider_;  // pen width / 3
  QPushButton* undoButton_;
  QFrame* commandFrame_;
  std::array<QPushButton*, 2> commandButtons_;  // "&Apply", "&Cancel"
  int startX_ = 0, startY_ = 0;
  int endX_ = 0, endY_ = 0;
  bool drawing_ = false;
  QButtonGroup* tools_;
  int penWidth_ = 15;
  std::unique_ptr<File> file_;
  std::unique_ptr<UndoFiles> undo_;
};
