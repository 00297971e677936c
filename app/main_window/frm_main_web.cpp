// Output for web pages: File > Export for the web writes the design alone on
// a transparent background, and Copy offers the same cut-out beside the
// canvas. Neither changes the canvas nor records an undo step.
#include <QMimeData>

#include "main_window/frm_main.h"
#include "output/web_export.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/failure.h"
#include "state/file_filter.h"
#include "state/picture_formats.h"
#include "state/stored_layers.h"
#include "state/transparent_design.h"
#include "state/work_names.h"

namespace {

QString exportFilter(WebFormat format) {
  return format == WebFormat::Webp ? QStringLiteral("WebP (*.webp)|*.webp")
                                   : QStringLiteral("PNG (*.png)|*.png");
}

}  // namespace

void FrmMain::exportForTheWeb() {
  const QImage design =
      designAlone(canvasView_->picture().size(), engine_->entryPoints(), ::design().layerOrigin);
  if (!anythingVisible(design)) {
    platform().showMessage({nothingToExportMessage, MessageIcon::Exclamation});
    return;
  }
  WebExportDialog dialog(writableWebFormats(), WebExportChoice{}, this);
  platform().showModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const WebExportChoice choice = dialog.choice();

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
  BusyPointer busy(platform());
  writeWebPicture(exportedPicture(design, choice), choice.encoding,
                  webNameOf(chosen, choice.encoding.format));
}

// Editors that understand transparency take the PNG and get the cut-out
// title. The canvas is copied whatever becomes of this, so a relief engine
// that cannot be loaded only leaves the PNG out.
void FrmMain::offerTransparentDesign(QMimeData& clipboard) {
  try {
    const QImage design =
        designAlone(canvasView_->picture().size(), engine_->entryPoints(), ::design().layerOrigin);
    if (!anythingVisible(design)) return;
    clipboard.setData(QStringLiteral("image/png"),
                      encodeWebPicture(exportedPicture(design, WebExportChoice{}),
                                       savedWebEncoding(WebFormat::Png)));
  } catch (const Failure&) {
  }
}
