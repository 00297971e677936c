#include "platform/font_face.h"

#include <QFontDatabase>
#include <QStringList>
#include <climits>
#include <cstdlib>

QFont withFaceStyleName(const QFont& font) {
  const QString family = font.family();
  QString closest;
  int closestDistance = INT_MAX;
  for (const QString& style : QFontDatabase::styles(family)) {
    if (QFontDatabase::italic(family, style) != font.italic()) continue;
    // Among faces of one weight the plain one has the shortest name
    // ("Bold" beside "Condensed Bold").
    const int distance =
        std::abs(QFontDatabase::weight(family, style) - font.weight()) * 1000 + int(style.size());
    if (distance < closestDistance) {
      closestDistance = distance;
      closest = style;
    }
  }
  QFont named = font;
  if (!closest.isEmpty()) named.setStyleName(closest);
  return named;
}
