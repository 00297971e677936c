#include "platform/work_names.h"

#include <QFileInfo>

#include "files/paths.h"
#include "platform/platform.h"

int freeWorkNumber(const QString& outputsFolder, Platform& platform) {
  for (int number = 1;; ++number) {
    platform.processPendingEvents();
    const QString name = outputsFolder + QStringLiteral("/MyWork%1").arg(number);
    if (pathKindOf(name + QStringLiteral(".bmp")) == pathKind::Nothing &&
        pathKindOf(name + QStringLiteral(".jpg")) == pathKind::Nothing)
      return number;
  }
}

bool isJpegName(const QString& name) {
  const QString ending = name.right(3).toLower();
  return ending == QLatin1String("jpg") || ending == QLatin1String("peg");
}

// Only the last extension goes: cutting at the first "." would turn
// "logo.v2.jpg" into "logo.bmp" and write over another file.
QString bitmapNameOf(const QString& chosen) {
  if (QFileInfo(chosen).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
    return chosen;
  const QString fileName = fileNamePart(chosen);
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? chosen.left(chosen.size() - (fileName.size() - dot)) : chosen;
  return stem + QStringLiteral(".bmp");
}
