// The open dialog through which the texture commands pick a picture, with the
// texture preview `frmPic` under its file list when asked for.
#pragma once

#include <QString>

class Platform;
class QWidget;

struct OpenPictureRequest {
  QString filter;    // "description|patterns|..."; empty: "All Files (*.*)"
  QString folder;    // empty: the root folder
  QString fileName;  // proposed, may be empty
  QString title;     // empty: the application's title
  bool preview = false;
  QWidget* owner = nullptr;  // the window opening the dialog
};

// The chosen path, or an empty text when the user cancels.
QString openPictureDialog(const OpenPictureRequest& request, Platform& platform);
