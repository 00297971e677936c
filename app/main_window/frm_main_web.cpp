// Output for web pages: File > Export for the web writes the design alone on
// a transparent background, and Copy offers the same cut-out beside the
// canvas. Neither changes the canvas nor records an undo step.
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMimeData>

#include "main_window/frm_main.h"
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

}  // namespace

// The design is exported whole, also where it runs past the canvas.
void FrmMain::exportForTheWeb() {
  const QImage design = drawnDesign().design;
  if (!anythingVisible(design)) {
    platform().showMessage({nothingToExportMessage, MessageIcon::Exclamation});
    return;
  }
  WebExportDialog dialog(writableWebFormats(), rememberedWebExportChoice(), this);
  platform().showModal(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  const WebExportChoice choice = dialog.choice();
  rememberWebExportChoice(choice);

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
  const QString target = webNameOf(chosen, choice.encoding.format);
  writeWebPicture(exportedPicture(design, choice), choice.encoding, target);
  // The file lies outside the canvas's own name: the status bar confirms it.
  const QFileInfo written(target);
  statusPanes_[0]->setText(QStringLiteral("Exported %1 (%2 bytes)")
                               .arg(written.fileName(), QLocale().toString(written.size())));
}

// Editors that understand transparency take the PNG and get the cut-out
// title. The canvas is copied whatever becomes of this, so a relief engine
// that cannot be loaded only leaves the PNG out.
void FrmMain::offerTransparentDesign(QMimeData& clipboard) {
  try {
    const QImage design = drawnDesign().design;
    if (!anythingVisible(design)) return;
    clipboard.setData(QStringLiteral("image/png"),
                      encodeWebPicture(exportedPicture(design, WebExportChoice{}),
                                       savedWebEncoding(WebFormat::Png)));
  } catch (const Failure&) {
  }
}
