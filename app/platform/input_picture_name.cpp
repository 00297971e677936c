#include "platform/input_picture_name.h"

#include <QDir>

#include "files/paths.h"
#include "platform/platform.h"

QString findInputPictureName(const QString& programFolder, Platform& platform) {
  const QString inputs = programFolder + QStringLiteral("/inputs");
  if (pathKindOf(inputs) == pathKind::Nothing) QDir().mkpath(inputs);
  QString name = inputs + QStringLiteral("/MyPic.bmp");
  if (pathKindOf(name) != pathKind::File) return name;
  for (int number = 1;; ++number) {
    name = inputs + QStringLiteral("/MyPic%1.bmp").arg(number);
    platform.processPendingEvents();
    if (pathKindOf(name) == pathKind::Nothing) return name;
  }
}
