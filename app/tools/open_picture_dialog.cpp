#include "tools/open_picture_dialog.h"

#include <QDir>

#include "files/file_filter.h"
#include "platform/platform.h"
#include "tools/texture_preview_pane.h"

QString openPictureDialog(const OpenPictureRequest& request, Platform& platform) {
  FileDialogRequest dialog;
  dialog.filter = qtFileFilter(request.filter);
  dialog.folder = request.folder.isEmpty() ? QDir::rootPath() : request.folder;
  dialog.fileName = request.fileName;
  dialog.title = request.title;
  dialog.owner = request.owner;
  if (request.preview) dialog.preview = [] { return std::make_unique<TexturePreviewPane>(); };
  return platform.chooseFileToOpen(dialog);
}
