#include "tools/texture_preview_pane.h"

#include <QImageReader>
#include <QPainter>

#include "rendering/tiling.h"
#include "widgets/picture_box.h"

namespace {

constexpr QSize stripSize(401, 89);

// Only the strip's worth of the top-left corner can ever show, so a huge
// picture is never decoded whole. Tiling the corner shows the same as tiling
// the whole picture: a side longer than the strip leaves room for one copy.
QImage readCorner(const QString& path) {
  QImageReader reader(path);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) return {};
  reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(stripSize)));
  const QImage corner = reader.read();
  if (corner.isNull()) return {};
  QImage opaque(corner.size(), QImage::Format_RGB888);
  opaque.fill(Qt::white);
  QPainter(&opaque).drawImage(0, 0, corner);
  return opaque;
}

}  // namespace

TexturePreviewPane::TexturePreviewPane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmPic"));
  strip_ = new PictureBox(this);
  strip_->setObjectName(QStringLiteral("Picture2"));
  setMinimumHeight(stripSize.height());
  redraw();
}

void TexturePreviewPane::LoadImage(const QString& path) {
  shownCorner_ = readCorner(path);
  redraw();
}

void TexturePreviewPane::redraw() {
  QImage strip(stripSize, QImage::Format_RGB888);
  strip.fill(palette().color(QPalette::Window));
  tileOver(strip, shownCorner_);
  strip_->setPicture(strip);
}

void TexturePreviewPane::resizeEvent(QResizeEvent*) { strip_->move(width() - strip_->width(), 0); }
