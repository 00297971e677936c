#include "tools/frm_pic.h"

#include <QImageReader>
#include <QPainter>

#include "main_window/picture_box.h"
#include "state/tiling.h"

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

FrmPic::FrmPic(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmPic"));
  Picture2 = new PictureBox(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  setMinimumHeight(stripSize.height());
  redraw();
}

void FrmPic::LoadImage(const QString& mfile) {
  Picture1 = readCorner(mfile);
  redraw();
}

void FrmPic::redraw() {
  QImage strip(stripSize, QImage::Format_RGB888);
  strip.fill(palette().color(QPalette::Window));
  tileOver(strip, Picture1);
  Picture2->setPicture(strip);
}

void FrmPic::resizeEvent(QResizeEvent*) { Picture2->move(width() - Picture2->width(), 0); }
