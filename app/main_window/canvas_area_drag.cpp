// The drawn design alone, as a transparent PNG: for Copy and for the drag
// out of the canvas into a browser's upload box or a file manager.
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "design/design_state.h"
#include "files/failure.h"
#include "files/file_writing.h"
#include "files/picture_formats.h"
#include "main_window/canvas_area.h"
#include "output/web_export.h"
#include "rendering/transparent_design.h"

// Editors that understand transparency take the PNG and get the cut-out
// title. The canvas is copied whatever becomes of this, so a relief engine
// that cannot be loaded only leaves the PNG out.
void CanvasArea::offerTransparentDesign(QMimeData& data) const {
  try {
    const WholeDesign whole = drawnDesign();
    const QImage& design = whole.design;
    if (!anythingVisible(design)) return;
    data.setData(QStringLiteral("image/png"),
                 encodeWebPicture(exportedPicture(design, WebExportChoice{}),
                                  savedWebEncoding(WebFormat::Png)));
  } catch (const Failure&) {
  }
}

void CanvasArea::connectDesignDrag() {
  DesignDragHandle* handle = viewport_->dragHandle();
  handle->dragData = [this] { return designDragData(); };
  connect(handle, &DesignDragHandle::nothingToDrag, this, [this] {
    window_.showStatus(QStringLiteral("Nothing to drag yet: draw the design first."));
  });
}

// The file is named after the canvas picture and lives in a folder of this
// run, so a file manager or a browser's upload box can take it while the
// program runs; without a place to write it the PNG data alone is offered.
QMimeData* CanvasArea::designDragData() {
  auto data = std::make_unique<QMimeData>();
  offerTransparentDesign(*data);
  const QByteArray png = data->data(QStringLiteral("image/png"));
  if (png.isEmpty()) return nullptr;
  if (!dragFolder_)
    dragFolder_ =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/Velloro-XXXXXX"));
  QString name = QFileInfo(document_.currentPictureName).completeBaseName();
  if (name.isEmpty()) name = QStringLiteral("design");
  const QString path = dragFolder_->filePath(name + QStringLiteral(".png"));
  try {
    if (!dragFolder_->isValid()) return data.release();
    writeFileReplacing(path, png);
    data->setUrls({QUrl::fromLocalFile(path)});
  } catch (const Failure&) {
  }
  return data.release();
}
