// The design document: the canvas picture, the settings of each source kind,
// the masks and the undo store of one design. The main window owns it and
// hands it, or a narrow view of it, to its parts and the windows it makes.
// A fresh DesignState holds the start-up defaults.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "design/design_model.h"
#include "design/kind_settings.h"
#include "design/material_table.h"
#include "design/shape_drawing.h"
#include "design/text_picture.h"
#include "undo/undo_store.h"

struct DesignFrame {
  int32_t left = 5;
  int32_t top = 5;
  int32_t width = 0;
  int32_t height = 0;
};

// Temporary files through which pictures travel, fixed for the run.
struct WorkingFiles {
  QString render;
  QString canvas;
  QString shape;
  QString picture;
  QString mask;
  QString spare;  // never set

  QStringList all() const { return {render, canvas, shape, picture, mask, spare}; }
};

// Pixel rows in 24-bit BMP layout, handed to the relief engine.
struct PictureBuffers {
  QByteArray background;
  QByteArray output;
  QByteArray mask;
  QByteArray picture;
  QByteArray texture;
};

struct PictureGeometry {
  int32_t canvasWidth = 0;
  int32_t canvasStride = 0;
  int32_t canvasRows = 0;
  int32_t textureStride = 0;
  int32_t textureRows = 0;
};

struct DesignState {
  // Screen and layout: twips per screen pixel and the control-font factor.
  int32_t layoutUnitX = 15;
  int32_t layoutUnitY = 15;
  double fontScaleFactor = 1.0;

  SourceKind sourceKind = SourceKind::Text;

  // Where the design of the source kind being worked on stands on the canvas.
  DesignFrame designFrame;
  // Every other setting of the source kind being worked on.
  DesignModel model;

  KindSettingsTable kindSettings = defaultKindSettings();
  // The curve axis each kind keeps per material group (at group - 1).
  BySourceKind<std::array<CurveAxis, materialGroupCount>> curveAxisTable;
  BySourceKind<QString> textureNames;

  double ellipseRatio = 0.0;  // 0 until the ellipse ratio dialog first sets it
  // The figures the shape file was drawn from; none when the shape is only
  // its pixels (a document from before shapes kept their figures).
  std::optional<ShapeDrawing> shapeDrawing;

  // The pictures that stay hidden: the text rendered as the text mask, the
  // texture picture the texture buffer is made from, and the texture that the
  // new-canvas dialog tiles over a new canvas.
  TextPicture textPicture;
  QImage texturePicture;
  QImage projectionPicture;

  WorkingFiles workingFiles;
  QString currentPictureName;
  PictureBuffers buffers;
  PictureGeometry geometry;
  // Where the canvas's top left corner lies among the engine's stored
  // layers: they keep the places of the canvas they were drawn on, and a
  // crop shows only part of that canvas.
  QPoint layerOrigin;
  // Whether a render has stored a layer in the engine, so that a new
  // background must have the design laid over it again.
  bool layersStored = false;
  UndoStore undo;
};

// Sets the layout units from the screen's logical dots per inch (15 twips
// per pixel at 96) and the font scale factor from them.
void applyScreenMetrics(DesignState& state, double dotsPerInchX, double dotsPerInchY);

// Makes the render file and the canvas file of start-up.
void createStartupWorkingFiles(WorkingFiles& files);

// Deletes every working file that was made; names stay as they are.
void deleteWorkingFiles(const WorkingFiles& files);
