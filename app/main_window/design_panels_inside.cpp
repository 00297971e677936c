// The "Inside" panel: the fill colour from the palette or the colour
// dialog, the texture, the gradient, the curve axis and the surface pattern.
#include <QFileInfo>
#include <QRadioButton>

#include "design/design_state.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "main_window/design_panels.h"
#include "main_window/gradient_editor.h"
#include "main_window/ignore_failures.h"
#include "main_window/panel_pictures.h"
#include "main_window/tab_panels.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/render_pipeline.h"
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

void DesignPanels::setFillColour(const QColor& colour) {
  design_.model.set(Setting::FillColour, styleColour(colour));
  drawFillPreview();
}

void DesignPanels::fillPalettePressed(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_Picture4_MouseDown, [&] {
    if (auto colour = paletteColour(panels_.fillPalette()->picture(), buttons, at))
      setFillColour(*colour);
  });
}

void DesignPanels::fillPaletteMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_Picture4_MouseMove, [&] {
    if (auto colour = paletteColour(panels_.fillPalette()->picture(), buttons, at))
      setFillColour(*colour);
  });
}

void DesignPanels::insideCommandClicked(int index) {
  runTrapped(platform_, siteTag::frmMain_CmdInside_Click, [&] {
    if (index != moreCommand) {
      loadTextureCommand();
      return;
    }
    const Rgb fill = fillRgb(design_.model.style());
    if (auto chosen =
            platform_.chooseColour(QColor(fill.red, fill.green, fill.blue), &window_.ownerWidget()))
      setFillColour(*chosen);
  });
}

void DesignPanels::loadTextureCommand() {
  OpenPictureRequest request;
  const QString start = textureToStartFrom(design_);
  if (start.isEmpty()) {
    request.folder = programFolder_ + QStringLiteral("/textures");
  } else {
    request.folder = QFileInfo(start).absolutePath();
    request.fileName = QFileInfo(start).fileName();
  }
  request.filter = imageFilesFilter();
  request.title = QStringLiteral("Textures");
  request.preview = true;
  const QString chosen = openPictureDialog(request, platform_);
  if (chosen.isEmpty()) return;
  if (!QFileInfo(chosen).isFile()) {
    platform_.showMessage({QStringLiteral("File not found !"), MessageIcon::Exclamation});
    return;
  }
  showTexture(chosen);
  design_.textureNames[design_.sourceKind] = chosen;
}

// The picture is read before anything changes, so a file that is no
// picture leaves the texture of the kind as it was.
void DesignPanels::showTexture(const QString& path) {
  QImage texture = loadPicture(path);
  design_.texturePicture = texture;
  panels_.showTexturePreview(texture);
  loadTexture(design_, texture);
}

// An edited gradient is the fill from then on.
void DesignPanels::editGradient() {
  runTrapped(platform_, siteTag::frmMain_CmdInside_Click, [this] {
    GradientEditor editor(fillGradient(design_.model.style()), &window_.ownerWidget());
    platform_.showModal(editor);
    if (editor.result() != QDialog::Accepted) return;
    setGradient(design_.model, editor.gradient());
    setKind(design_.model, Setting::FillKind, FillKind::Gradient);
    emit settingChanged();
  });
}

void DesignPanels::curveAxisClicked(CurveAxis axis) {
  ignoreFailures([&] {
    setKind(design_.model, Setting::CurveAxis, axis);
    drawFillPreview();
  });
}

void DesignPanels::surfacePatternPressed(SurfacePatternType pattern) {
  ignoreFailures([&] { panels_.raisePattern(pattern); });
}

void DesignPanels::surfacePatternClicked(SurfacePatternType pattern) {
  ignoreFailures([&] { setKind(design_.model, Setting::SurfacePattern, pattern); });
}
