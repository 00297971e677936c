#include "output/jpeg_target.h"

#include "platform/work_names.h"

namespace {

bool hasJpegExtension(const QString& name) {
  return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) ||
         name.endsWith(QStringLiteral(".jpeg"), Qt::CaseInsensitive);
}

}  // namespace

QString jpegTargetName(const QString& mode, const QString& currentName, const QString& chosenName) {
  const QString name = mode == QStringLiteral("saveas") ? chosenName : currentName;
  if (hasJpegExtension(name)) return name;
  // The bitmap name has the last extension of the file name replaced, like
  // the bitmap saves of Save As; only its ".bmp" changes.
  return bitmapNameOf(name).chopped(4) + QStringLiteral(".jpg");
}
