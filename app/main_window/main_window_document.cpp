// The window's side of Velloro documents: what it keeps of the design
// beside the design state, and showing an opened document's design through
// the same handlers a style goes through, so the panels show what it holds.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "design/curve_file.h"
#include "design/source_kind_switch.h"
#include "design/style_design.h"
#include "document/document_container.h"
#include "document/document_design.h"
#include "files/bmp_file.h"
#include "files/failure.h"
#include "files/picture_loading.h"
#include "files/temp_file.h"
#include "main_window/font_file_command.h"
#include "main_window/main_window.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

// A tool's working file holds its picture once the tool made one.
QImage toolPicture(bool made, const QString& file) {
  if (!made || file.isEmpty() || QFileInfo(file).size() == 0) return {};
  return loadPicture(file);
}

void writeToolPicture(const QImage& picture, QString& file) {
  if (picture.isNull()) return;
  if (file.isEmpty()) file = File().fullPath();
  saveBmp(picture, file);
}

QString storedCurveFile(const QString& curvesFolder, SourceKind kind, int group) {
  return curvesFolder + u'/' + storedCurveName(kind, group);
}

// A stored curve that cannot be read is none: the kind takes the preset
// curve when it comes back to that material, as it would in this run.
StoredCurves readStoredCurves(const QString& curvesFolder, SourceKind kind, Platform& platform) {
  StoredCurves curves;
  for (int group = 1; group <= materialGroupCount; ++group) {
    const QString file = storedCurveFile(curvesFolder, kind, group);
    if (!QFileInfo(file).isFile() || QFileInfo(file).size() == 0) continue;
    try {
      curves[size_t(group - 1)] = readCurveFile(file, platform);
    } catch (const Failure&) {
    }
  }
  return curves;
}

// Keeping stored curves is best effort, as every stored curve is.
void writeStoredCurves(const QString& curvesFolder, SourceKind kind, const StoredCurves& curves) {
  QDir().mkpath(curvesFolder);
  for (int group = 1; group <= materialGroupCount; ++group) {
    const QString file = storedCurveFile(curvesFolder, kind, group);
    try {
      if (const std::optional<CurvePoints>& curve = curves[size_t(group - 1)])
        writeCurveFile(file, *curve);
      else
        QFile::remove(file);
    } catch (const Failure&) {
    }
  }
}

}  // namespace

DesignBeside MainWindow::designBeside() const {
  const WorkingFiles& files = document_.workingFiles;
  const bool shape = document_.kindSettings[SourceKind::Shape].available;
  const bool picture = document_.kindSettings[SourceKind::Picture].available;
  DesignBeside beside;
  beside.text = titleText();
  beside.shape = toolPicture(shape, files.shape);
  beside.picture = toolPicture(picture, files.picture);
  beside.mask = toolPicture(picture, files.mask);
  beside.preview = canvasPicture();
  beside.font = fontFile_->carriedFileOf(document_.textPicture.font.family());
  for (SourceKind kind : sourceKinds)
    beside.storedCurves[kind] = readStoredCurves(programFolder_ + u"/curves"_s, kind, platform());
  return beside;
}

void MainWindow::showDocument(const VelloroDocument& opened) {
  // The title's font travels in the document when no machine may have it:
  // it joins this run's fonts from memory, leaving no file behind.
  if (!opened.font.name.isEmpty()) {
    if (const QString problem = fontFile_->addDocumentFont(opened.font); !problem.isEmpty())
      throw DocumentRefusal(
          u"the font file %1 cannot be used: %2"_s.arg(opened.font.name, problem));
  }
  DesignBeside beside;
  putDocument(opened, document_, beside);
  fillFontList();
  // The handlers below store the panels' settings into the current kind's
  // row as a click would; every row is the document's again after them.
  const KindSettingsTable kinds = document_.kindSettings;
  const BySourceKind<QString> textures = document_.textureNames;
  const auto axes = document_.curveAxisTable;
  WorkingFiles& files = document_.workingFiles;
  writeToolPicture(beside.shape, files.shape);
  writeToolPicture(beside.picture, files.picture);
  writeToolPicture(beside.mask, files.mask);
  sourceFrame_->selectSource(velloro::toInt(document_.sourceKind));
  const Style style = styleOf(document_, document_.textPicture.font);
  QString texture;
  if (style.fillKind == FillKind::Texture) {
    texture = QFileInfo(style.texture).isAbsolute()
                  ? style.texture
                  : programFolder_ + u"/textures/"_s + style.texture;
    // A texture that is not where it was travels in the document.
    if (!QFileInfo(texture).isFile() && !document_.texturePicture.isNull()) {
      texture.clear();
      writeToolPicture(document_.texturePicture, texture);
    }
  }
  applyStyle(style, texture);
  document_.kindSettings = kinds;
  document_.textureNames = textures;
  document_.curveAxisTable = axes;
  sourceFrame_->textBox()->setText(beside.text);
  // Last, over any curve the handlers kept on the way.
  for (SourceKind kind : sourceKinds)
    writeStoredCurves(programFolder_ + u"/curves"_s, kind, beside.storedCurves[kind]);
  document_.layersStored = false;
  showBackground(beside.canvas);
  draw();
}
