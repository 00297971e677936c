// Drops on the picture tool: a picture is loaded as Load loads a chosen one,
// a style goes to the main window, which applies it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "tools/picture_tool.h"
#include "widgets/dropped_files.h"
#include "widgets/main_window_link.h"

void PictureTool::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->source() && !droppedFiles(*event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

// One photo is cut at a time: of several dropped pictures the first loads.
void PictureTool::dropEvent(QDropEvent* event) {
  if (event->source()) return;
  const QStringList files = droppedFiles(*event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  QStringList styles;
  QString photo;
  for (const QString& path : files) {
    if (isStyleFile(path))
      styles.append(path);
    else if (photo.isEmpty())
      photo = path;
  }
  if (!photo.isEmpty()) runCommand([&] { loadPhoto(photo); });
  if (!styles.isEmpty()) main_.openHandedFiles(styles);
}
