// The part of the design document the tool windows work on, handed to them
// by the window that opens them: the screen scale they lay themselves out
// with, the ratio of their ellipses, the shape and the keyed picture they
// hand to the render, and the new canvas's texture. Nothing else of the
// document is theirs to read or change.
#pragma once

#include <QImage>
#include <QString>

#include "design/screen_scale.h"
#include "design/shape_drawing.h"

struct DesignState;
class Platform;

class ToolDesign {
 public:
  explicit ToolDesign(DesignState& design) : design_(design) {}

  ScreenScale screenScale() const;

  // 0 until the ellipse ratio dialog first sets it.
  double ellipseRatio() const;
  void setEllipseRatio(double ratio);

  // The shape tool's file, made when the tool loads.
  void setShapeFile(const QString& path);
  // Writes `shape` as the shape file, drawn from `drawing`; only then does
  // the shape count as drawn. Throws a Failure when the file cannot be
  // written, and the design keeps its shape and figures.
  void useShape(const QImage& shape, const ShapeDrawing& drawing);

  // The picture tool's files, made when the tool loads: the framed photo
  // and the mask cut from it.
  void setPictureFiles(const QString& picture, const QString& mask);
  const QString& pictureFile() const;
  // Writes the framed photo, which keying and the render read.
  void saveFramedPicture(const QImage& framed);
  // Writes `mask` as the mask file; only then does the picture count as
  // loaded.
  void useMask(const QImage& mask);
  // Empties the mask file: Draw then says no picture is loaded.
  void removeMask();

  // The texture of the first source kind that has one, the current one first.
  QString firstTextureName() const;
  // The texture a new canvas is tiled with, kept as the current kind's.
  void setCanvasTexture(const QString& name, const QImage& picture);
  const QImage& canvasTexture() const;

  // Keeps the canvas as it is as an undo step, before a new one replaces it.
  void recordUndoStep(Platform& platform);
  void setCurrentPictureName(const QString& name);

 private:
  DesignState& design_;
};

// The screen scale of `design`, for windows that need only that.
ScreenScale screenScaleOf(const DesignState& design);
