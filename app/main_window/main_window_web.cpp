// Copy's transparent PNG and the relief engine for renders apart from the
// window's design.
#include <QMimeData>

#include "headless/private_engine.h"
#include "main_window/main_window.h"
#include "output/web_export.h"
#include "state/design_state.h"
#include "state/failure.h"
#include "state/picture_formats.h"
#include "state/transparent_design.h"

std::shared_ptr<PrivateEngine> MainWindow::privateEngine() {
  if (!privateEngine_) privateEngine_ = std::make_shared<PrivateEngine>(engine_->libraryPath());
  return privateEngine_;
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
