// `frmPic`: the texture preview shown under the open dialog while the user
// picks a texture. The strip `Picture2` shows the picture under the
// selection, tiled; `Picture1` keeps the part of the picture that can show.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/platform.h"

class PictureBox;

class FrmPic : public QWidget, public FilePreview {
  Q_OBJECT
 public:
  explicit FrmPic(QWidget* parent = nullptr);

  QWidget* pane() override { return this; }
  // Shows `mfile` tiled over the strip; a file that is no readable picture
  // leaves the strip empty.
  void LoadImage(const QString& mfile) override;

  QImage Picture1;
  PictureBox* Picture2;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void redraw();
};
