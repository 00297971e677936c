// The "Inside" panel: the fill colour from the palette or the colour
// dialog, the texture, the gradient, the curve axis and the surface pattern.
#include <QFileInfo>
#include <QRadioButton>

#include "main_window/gradient_editor.h"
#include "main_window/ignore_failures.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "main_window/panel_pictures.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/picture_formats.h"
#include "state/picture_loading.h"
#include "state/render_pipeline.h"
#include "state/site_tags.h"
#include "tools/open_picture_dialog.h"

namespace {

constexpr int moreCommand = 0;

QString textureToStartFrom(const DesignState& state) {
  if (!state.textureNames[state.sourceKind].isEmpty()) return state.textureNames[state.sourceKind];
  for (SourceKind kind : sourceKinds)
    if (!state.textureNames[kind].isEmpty()) return state.textureNames[kind];
  return {};
}

}  // namespace

void MainWindow::setFillColour(const QColor& colour) {
  design().fillColour = {colour.red(), colour.green(), colour.blue()};
  drawFillPreview();
}

void MainWindow::fillPalettePressed(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Picture4_MouseDown, [&] {
    if (auto colour = paletteColour(panels_->fillPalette()->picture(), buttons, at))
      setFillColour(*colour);
  });
}

void MainWindow::fillPaletteMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_Picture4_MouseMove, [&] {
    if (auto colour = paletteColour(panels_->fillPalette()->picture(), buttons, at))
      setFillColour(*colour);
  });
}

void MainWindow::insideCommandClicked(int index) {
  runTrapped(platform(), siteTag::frmMain_CmdInside_Click, [&] {
    if (index != moreCommand) {
      loadTextureCommand();
      return;
    }
    const Rgb& fill = design().fillColour;
    if (auto chosen = platform().chooseColour(QColor(fill.red, fill.green, fill.blue), this))
      setFillColour(*chosen);
  });
}

void MainWindow::loadTextureCommand() {
  OpenPictureRequest request;
  const QString start = textureToStartFrom(design());
  if (start.isEmpty()) {
    request.folder = programFolder_ + QStringLiteral("/textures");
  } else {
    request.folder = QFileInfo(start).absolutePath();
    request.fileName = QFileInfo(start).fileName();
  }
  request.filter = imageFilesFilter();
  request.title = QStringLiteral("Textures");
  request.preview = true;
  const QString chosen = openPictureDialog(request, platform());
  if (chosen.isEmpty()) return;
  if (!QFileInfo(chosen).isFile()) {
    platform().showMessage({QStringLiteral("File not found !"), MessageIcon::Exclamation});
    return;
  }
  showTexture(chosen);
  design().textureNames[design().sourceKind] = chosen;
}

// The picture is read before anything changes, so a file that is no
// picture leaves the texture of the kind as it was.
void MainWindow::showTexture(const QString& path) {
  QImage texture = loadPicture(path);
  design().texturePicture = texture;
  panels_->showTexturePreview(texture);
  loadTexture(design(), texture);
}

// An edited gradient is the fill from then on.
void MainWindow::editGradient() {
  runTrapped(platform(), siteTag::frmMain_CmdInside_Click, [this] {
    GradientEditor editor(design().gradient, this);
    platform().showModal(editor);
    if (editor.result() != QDialog::Accepted) return;
    design().gradient = editor.gradient();
    panels_->showGradientPreview(design().gradient);
    panels_->fillSourceButtons()[2]->setChecked(true);
    livePreview_->settingChanged();
  });
}

void MainWindow::curveAxisClicked(CurveAxis axis) {
  ignoreFailures([&] {
    design().curveAxis = axis;
    drawFillPreview();
  });
}

void MainWindow::surfacePatternPressed(SurfacePatternType pattern) {
  ignoreFailures([&] { panels_->raisePattern(pattern); });
}

void MainWindow::surfacePatternClicked(SurfacePatternType pattern) {
  ignoreFailures([&] { design().surfacePattern = pattern; });
}
