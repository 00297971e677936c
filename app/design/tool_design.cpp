#include "design/tool_design.h"

#include "design/design_state.h"
#include "files/bmp_file.h"
#include "files/file_writing.h"

ScreenScale screenScaleOf(const DesignState& design) {
  return {design.layoutUnitX, design.layoutUnitY, design.fontScaleFactor};
}

ScreenScale ToolDesign::screenScale() const { return screenScaleOf(design_); }

double ToolDesign::ellipseRatio() const { return design_.ellipseRatio; }

void ToolDesign::setEllipseRatio(double ratio) { design_.ellipseRatio = ratio; }

void ToolDesign::setShapeFile(const QString& path) { design_.workingFiles.shape = path; }

void ToolDesign::useShape(const QImage& shape, const ShapeDrawing& drawing) {
  saveBmp(shape, design_.workingFiles.shape);
  design_.kindSettings[SourceKind::Shape].available = true;
  design_.shapeDrawing = drawing;
}

void ToolDesign::setPictureFiles(const QString& picture, const QString& mask) {
  design_.workingFiles.picture = picture;
  design_.workingFiles.mask = mask;
}

const QString& ToolDesign::pictureFile() const { return design_.workingFiles.picture; }

void ToolDesign::saveFramedPicture(const QImage& framed) {
  saveBmp(framed, design_.workingFiles.picture);
}

void ToolDesign::useMask(const QImage& mask) {
  saveBmp(mask, design_.workingFiles.mask);
  design_.kindSettings[SourceKind::Picture].available = true;
}

void ToolDesign::removeMask() {
  writeFileReplacing(design_.workingFiles.mask, QByteArray());
  design_.kindSettings[SourceKind::Picture].available = false;
}

QString ToolDesign::firstTextureName() const {
  const BySourceKind<QString>& names = design_.textureNames;
  if (!names[design_.sourceKind].isEmpty()) return names[design_.sourceKind];
  for (SourceKind kind : sourceKinds)
    if (!names[kind].isEmpty()) return names[kind];
  return {};
}

void ToolDesign::setCanvasTexture(const QString& name, const QImage& picture) {
  design_.projectionPicture = picture;
  design_.textureNames[design_.sourceKind] = name;
}

const QImage& ToolDesign::canvasTexture() const { return design_.projectionPicture; }

void ToolDesign::recordUndoStep(Platform& platform) {
  design_.undo.record(design_.workingFiles.canvas, platform);
}

void ToolDesign::setCurrentPictureName(const QString& name) { design_.currentPictureName = name; }
