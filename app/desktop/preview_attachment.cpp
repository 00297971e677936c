#include "desktop/preview_attachment.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include "platform/platform.h"

void attachPreview(QFileDialog& dialog, FilePreview& preview) {
  QWidget* pane = preview.pane();
  // The widget-based dialog lays itself out in a grid; the pane takes a new
  // bottom row across it, so it moves and resizes with the dialog.
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(pane, grid->rowCount(), 0, 1, grid->columnCount());
  // The pane is the connection's context: it ends when the pane goes.
  QObject::connect(&dialog, &QFileDialog::currentChanged, pane, [&preview](const QString& path) {
    if (QFileInfo(path).isFile()) preview.LoadImage(path);
  });
}
