// Files coming in from outside the menus: the ones the launcher hands over,
// drops on the window, and the design dragged out of the canvas.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/failure.h"
#include "state/file_writing.h"
#include "widgets/dropped_files.h"

namespace {

// Drags that start in this program (the design dragged out of the canvas)
// carry nothing to open.
bool opensFiles(const QDropEvent& event) {
  return !event.source() && event.mimeData() && !droppedFiles(*event.mimeData()).isEmpty();
}

}  // namespace

void MainWindow::openHandedFiles(const QStringList& files) {
  fileCommands_->openHandedFiles(files);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (opensFiles(*event)) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (opensFiles(*event)) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!opensFiles(*event)) return;
  event->acceptProposedAction();
  openHandedFiles(droppedFiles(*event->mimeData()));
}

void MainWindow::connectDesignDrag() {
  DesignDragHandle* handle = canvasViewport_->dragHandle();
  handle->dragData = [this] { return designDragData(); };
  connect(handle, &DesignDragHandle::nothingToDrag, this, [this] {
    statusPanes_[0]->setText(QStringLiteral("Nothing to drag yet: draw the design first."));
  });
}

// The file is named after the canvas picture and lives in a folder of this
// run, so a file manager or a browser's upload box can take it while the
// program runs; without a place to write it the PNG data alone is offered.
QMimeData* MainWindow::designDragData() {
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
