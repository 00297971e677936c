// Files coming in from outside the menus: the ones the launcher hands over
// and the ones dropped on the window.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "design/design_state.h"
#include "files/failure.h"
#include "files/file_writing.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
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
