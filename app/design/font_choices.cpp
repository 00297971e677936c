#include "design/font_choices.h"

#include <QFont>
#include <QFontInfo>

QStringList fontSizeChoices() {
  QStringList sizes;
  for (int size = 20; size <= 100; size += 5) sizes << QString::number(size);
  for (int size = 120; size <= 200; size += 20) sizes << QString::number(size);
  return sizes;
}

QString familyInUse(const QFont& font) { return QFontInfo(font).family(); }
