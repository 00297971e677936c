#include "design/font_choices.h"

#include <QFont>
#include <QFontInfo>

#include "design/font_installed_instances.h"

QStringList fontSizeChoices() {
  QStringList sizes;
  for (int size = 20; size <= 100; size += 5) sizes << QString::number(size);
  for (int size = 120; size <= 200; size += 20) sizes << QString::number(size);
  return sizes;
}

FamilyInUse familyInUse(const QFont& font) {
  // An installed variable font's instance is made at its first choice; one
  // that cannot be made is drawn in a substitute, as a missing family is.
  QString problem = provideInstalledInstance(font.family());
  return {QFontInfo(font).family(), std::move(problem)};
}
