// Output for web pages: File > Export for the web writes the design alone on
// a transparent background, and Copy offers the same cut-out beside the
// canvas. Neither changes the canvas nor records an undo step.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>

#include "headless/private_engine.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/title_renderer.h"
#include "main_window/main_window.h"
#include "output/image_element_dialog.h"
#include "output/web_export.h"
#include "output/web_export_memory.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/failure.h"
#include "state/file_filter.h"
#include "state/picture_formats.h"
#include "state/transparent_design.h"
#include "state/work_names.h"

namespace {

QString exportFilter(WebFormat format) {
  return format == WebFormat::Webp ? QStringLiteral("WebP (*.webp)|*.webp")
                                   : QStringLiteral("PNG (*.png)|*.png");
}

// A denser copy draws the text anew; a design with a shape or a picture
// would lose them.
bool textAlone() {
  const DesignState& state = design();
  return state.sourceKind == SourceKind::Text && !state.kindSettings[SourceKind::Shape].available &&
         !state.kindSettings[SourceKind::Picture].available;
}

// The captured canvas reaches this far beyond the exported part, so the
// render keeps the design where it was put even on a small canvas.
const QSize denseRoom(50, 50);

}  // namespace

std::shared_ptr<PrivateEngine> MainWindow::privateEngine() {
  if (!privateEngine_) privateEngine_ = std::make_shared<PrivateEngine>(engine_->libraryPath());
  return privateEngine_;
}

TitleScene MainWindow::titleScene(const Style& style, QSize canvasSize, QPoint position) const {
  TitleScene scene;
  scene.style = style;
  scene.canvas = QImage(canvasSize, QImage::Format_RGB888);
  scene.canvas.fill(Qt::white);
  scene.designPosition = position;
  if (style.fillKind == FillKind::Texture) scene.texture = design().texturePicture;
  scene.dotsPerInch = 1440.0 / design().layoutUnitX;
  return scene;
}

// The text drawn anew at each denser scale over just the exported part of
// the canvas; every copy is rendered before any file is written.
QList<QImage> MainWindow::denserPictures(const WholeDesign& whole, const WebExportChoice& choice) {
  const QImage& design = whole.design;
  const QRect area = exportedArea(design, choice);
  const QRect drawn = area & design.rect();
  const DesignFrame& frame = ::design().designFrame;
  const TitleScene scene =
      titleScene(currentStyle(), drawn.size() + denseRoom,
                 QPoint(frame.left, frame.top) + whole.canvasAt - drawn.topLeft());
  const std::shared_ptr<PrivateEngine> engine = privateEngine();
  const std::lock_guard turn(engine->lock());
  QList<QImage> pictures;
  for (const int scale : denserScales) {
    try {
      TitleRenderer renderer(scaledScene(scene, scale), engine->entryPoints(), platform());
      const QImage dense = renderer.renderAlone(sourceFrame_->textBox()->text(), std::nullopt)
                               .copy(QRect(QPoint(), drawn.size() * scale));
      pictures << denserPicture(dense, area.translated(-drawn.topLeft()), scale);
    } catch (const UsageError&) {
      throw Failure(errorNumber::InvalidArgument,
                    QStringLiteral("The design is too large to draw at %1x (more than %2 pixels "
                                   "a side)")
                        .arg(scale)
                        .arg(largestCanvasSide));
    }
  }
  return pictures;
}

// The design is exported whole, also where it runs past the canvas.
void MainWindow::exportForTheWeb() {
  const WholeDesign whole = drawnDesign();
  const QImage& design = whole.design;
  if (!anythingVisible(design)) {
    platform().showMessage({nothingToExportMessage, MessageIcon::Exclamation});
    return;
  }
  WebExportDialog dialog(writableWebFormats(), rememberedWebExportChoice(), this);
  if (!textAlone()) {
    dialog.denserBox->setEnabled(false);
    dialog.denserBox->setToolTip(
        QStringLiteral("Only a design of text alone can be drawn anew at 2x and 3x"));
  }
  platform().showModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const WebExportChoice choice = dialog.choice();
  rememberWebExportChoice(choice);
  const bool denser = choice.alsoDenser && dialog.denserBox->isEnabled();

  const QString outputs = programFolder_ + QStringLiteral("/outputs");
  const QString extension = webExtension(choice.encoding.format);
  FileDialogRequest request;
  request.folder = outputs;
  request.fileName =
      QStringLiteral("MyWork%1.").arg(freeWorkNumber(outputs, platform())) + extension;
  request.filter = qtFileFilter(exportFilter(choice.encoding.format));
  request.defaultSuffix = extension;
  request.title = QStringLiteral("Export for the web");
  const QString chosen = platform().chooseFileToSave(request);
  if (chosen.isEmpty()) return;
  const QString target = webNameOf(chosen, choice.encoding.format);
  const QImage picture = exportedPicture(design, choice);
  {
    BusyPointer busy(platform());
    const QList<QImage> denserCopies = denser ? denserPictures(whole, choice) : QList<QImage>();
    writeWebPicture(picture, choice.encoding, target);
    for (qsizetype i = 0; i < denserCopies.size(); ++i)
      writeWebPicture(denserCopies[i], choice.encoding, denserName(target, denserScales[i]));
  }
  // The file lies outside the canvas's own name: the status bar confirms it.
  const QFileInfo written(target);
  statusPanes_[0]->setText(QStringLiteral("Exported %1 (%2 bytes)")
                               .arg(written.fileName(), QLocale().toString(written.size())));
  if (!denser) return;
  ImageElementDialog element(
      imageElement(target, picture.size(), sourceFrame_->textBox()->text(), true), this);
  platform().showModal(element);
}

// Editors that understand transparency take the PNG and get the cut-out
// title. The canvas is copied whatever becomes of this, so a relief engine
// that cannot be loaded only leaves the PNG out.
void MainWindow::offerTransparentDesign(QMimeData& clipboard) {
  try {
    const WholeDesign whole = drawnDesign();
    const QImage& design = whole.design;
    if (!anythingVisible(design)) return;
    clipboard.setData(QStringLiteral("image/png"),
                      encodeWebPicture(exportedPicture(design, WebExportChoice{}),
                                       savedWebEncoding(WebFormat::Png)));
  } catch (const Failure&) {
  }
}
