// `frmPic`: the texture preview shown under the open dialog while the user
// picks a texture. Its strip shows the picture under the selection, tiled.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/platform.h"

class PictureBox;

class TexturePreviewPane : public QWidget, public FilePreview {
  Q_OBJECT
 public:
  explicit TexturePreviewPane(QWidget* parent = nullptr);

  QWidget* pane() override { return this; }
  // Shows `path` tiled over the strip; a file that is no readable picture
  // leaves the strip empty.
  void LoadImage(const QString& path) override;

  // The part of the picture that can show: its top-left corner.
  const QImage& shownCorner() const { return shownCorner_; }
  const PictureBox& strip() const { return *strip_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void redraw();

  QImage shownCorner_;
  PictureBox* strip_;
};
