// File > Export for the web writes the design alone on a transparent
// background; it changes neither the canvas nor the undo history.
#include <QCheckBox>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

#include "design/design_state.h"
#include "files/failure.h"
#include "files/file_filter.h"
#include "files/picture_formats.h"
#include "headless/canvas_limit.h"
#include "headless/private_engine.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/title_renderer.h"
#include "main_window/design_scene.h"
#include "main_window/file_commands.h"
#include "output/denser_shape.h"
#include "output/image_element_dialog.h"
#include "output/web_export.h"
#include "output/web_export_memory.h"
#include "platform/platform.h"
#include "platform/work_names.h"
#include "rendering/transparent_design.h"
#include "rendering/whole_design.h"
#include "widgets/main_window_link.h"

using namespace Qt::StringLiterals;

namespace {

QString exportFilter(WebFormat format) {
  return format == WebFormat::Webp ? u"WebP (*.webp)|*.webp"_s : u"PNG (*.png)|*.png"_s;
}

// The captured canvas reaches this far beyond the exported part, so the
// render keeps the design where it was put even on a small canvas.
const QSize denseRoom(50, 50);

}  // namespace

QString FileCommands::denserRefusal(const WholeDesign& whole) {
  return ::denserRefusal(
      design_, whole, [this]() -> const EngineEntryPoints& { return shapeEngine().entryPoints(); },
      platform_);
}

PrivateEngine& FileCommands::shapeEngine() {
  if (!shapeEngine_)
    shapeEngine_ = std::make_shared<PrivateEngine>(window_.link().engine().libraryPath());
  return *shapeEngine_;
}

// The shape's figures drawn anew at each denser scale over the exported part.
QList<QImage> FileCommands::denserShapes(const WholeDesign& whole, const WebExportChoice& choice) {
  const QRect area = exportedArea(whole.design, choice).translated(-whole.canvasAt);
  QList<QImage> pictures;
  for (const int scale : denserScales) {
    if (!withinCanvasLimit(area.size() * scale))
      throw Failure(
          errorNumber::InvalidArgument,
          u"The design is too large to draw at %1x (more than %2 pixels a side)"_s.arg(scale).arg(
              largestCanvasSide));
    pictures << shapeAlone(design_, area, scale, shapeEngine().entryPoints(), platform_);
  }
  return pictures;
}

// The design drawn anew at each denser scale over just the exported part of
// the canvas: a shape from its figures, otherwise the text. Every copy is
// rendered before any file is written.
QList<QImage> FileCommands::denserPictures(const WholeDesign& whole,
                                           const WebExportChoice& choice) {
  if (design_.sourceKind == SourceKind::Shape) return denserShapes(whole, choice);
  const QRect area = exportedArea(whole.design, choice);
  const QRect drawn = area & whole.design.rect();
  const DesignFrame& frame = design_.designFrame;
  const TitleScene scene =
      titleSceneOf(design_, window_.currentStyle(), drawn.size() + denseRoom,
                   QPoint(frame.left, frame.top) + whole.canvasAt - drawn.topLeft());
  const std::shared_ptr<PrivateEngine> engine = window_.privateEngine();
  const std::lock_guard turn(engine->lock());
  QList<QImage> pictures;
  for (const int scale : denserScales) {
    try {
      TitleRenderer renderer(scaledScene(scene, scale), engine->entryPoints(), platform_);
      const QImage dense = renderer.renderAlone(window_.titleText(), std::nullopt)
                               .copy(QRect(QPoint(), drawn.size() * scale));
      pictures << denserPicture(dense, area.translated(-drawn.topLeft()), scale);
    } catch (const UsageError&) {
      throw Failure(
          errorNumber::InvalidArgument,
          u"The design is too large to draw at %1x (more than %2 pixels a side)"_s.arg(scale).arg(
              largestCanvasSide));
    }
  }
  return pictures;
}

// The design is exported whole, also where it runs past the canvas.
void FileCommands::exportForTheWeb() {
  const WholeDesign whole = window_.drawnDesign();
  if (!anythingVisible(whole.design)) {
    platform_.showMessage({nothingToExportMessage, MessageIcon::Exclamation});
    return;
  }
  WebExportDialog dialog(writableWebFormats(), rememberedWebExportChoice(), &window_.ownerWidget());
  if (const QString refusal = denserRefusal(whole); !refusal.isEmpty())
    dialog.refuseDenser(refusal);
  platform_.showModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const WebExportChoice choice = dialog.choice();
  rememberWebExportChoice(choice);
  const bool denser = choice.alsoDenser && dialog.denserBox->isEnabled();

  const QString outputs = programFolder_ + u"/outputs"_s;
  const QString extension = webExtension(choice.encoding.format);
  FileDialogRequest request;
  request.folder = outputs;
  request.fileName = u"MyWork%1."_s.arg(freeWorkNumber(outputs, platform_)) + extension;
  request.filter = qtFileFilter(exportFilter(choice.encoding.format));
  request.defaultSuffix = extension;
  request.title = u"Export for the web"_s;
  const QString chosen = platform_.chooseFileToSave(request);
  if (chosen.isEmpty()) return;
  const QString target = webNameOf(chosen, choice.encoding.format);
  const QImage picture = exportedPicture(whole.design, choice);
  {
    BusyPointer busy(platform_);
    const QList<QImage> denserCopies = denser ? denserPictures(whole, choice) : QList<QImage>();
    writeWebPicture(picture, choice.encoding, target);
    for (qsizetype i = 0; i < denserCopies.size(); ++i)
      writeWebPicture(denserCopies[i], choice.encoding, denserName(target, denserScales[i]));
  }
  // The file lies outside the canvas's own name: the status bar confirms it.
  const QFileInfo written(target);
  window_.showStatus(
      u"Exported %1 (%2 bytes)"_s.arg(written.fileName(), QLocale().toString(written.size())));
  if (!denser) return;
  ImageElementDialog element(imageElement(target, picture.size(), window_.titleText(), true),
                             &window_.ownerWidget());
  platform_.showModal(element);
}
