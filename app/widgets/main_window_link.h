// What the tool and output windows may ask of the main window. They hold
// this interface instead of the window itself, so they never reach into its
// controls and the main window's folder stays above theirs.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <Qt>

#include "design_kinds.h"

using velloro::SourceKind;

class EngineLibrary;
class QImage;
class QWidget;

class MainWindowLink {
 public:
  // The window that owns the tool windows.
  virtual QWidget& ownerWindow() = 0;
  // Gives the focus back to the main window when a tool window leaves.
  virtual void activateOwner() = 0;

  // Makes source kind `kind` the design's source, as a press of its option
  // button with `button` would (Qt::NoButton: no tool opens).
  virtual void selectSource(SourceKind kind, Qt::MouseButton button) = 0;
  // Sets the design's text and the font family it is drawn in.
  virtual void setTextInFont(const QString& text, const QString& fontFamily) = 0;
  // The ellipse ratio dialog, modal, for the tools' ellipses.
  virtual void showEllipseRatio() = 0;

  // Replaces the canvas picture and records it as the picture to render on.
  virtual void replaceCanvas(const QImage& canvas) = 0;
  // The colour a new plain canvas is filled with.
  virtual QColor canvasBackColour() const = 0;
  virtual void setCanvasBackColour(const QColor& colour) = 0;

  // Opens pictures and applies styles handed over by a drop, as the main
  // window does with files dropped on it.
  virtual void openHandedFiles(const QStringList& files) = 0;

  // The relief engine the main window renders with.
  virtual EngineLibrary& engine() const = 0;

  // The folder that holds the curves, textures and help folders.
  virtual const QString& programFolder() const = 0;

 protected:
  ~MainWindowLink() = default;
};
