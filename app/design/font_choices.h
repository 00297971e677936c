// The font size list of the main window (20 to 100 in steps of 5, then 120
// to 200 in steps of 20) and the family a font name stands for.
#pragma once

#include <QString>
#include <QStringList>

class QFont;

QStringList fontSizeChoices();

struct FamilyInUse {
  QString family;
  // Why the font's own family, an installed variable font's instance,
  // cannot be drawn; empty when it can or is no such instance.
  QString problem;
};

// The family a font is really drawn in: its own when it is installed, else
// the one the system's font substitution puts in its place. Showing this
// keeps the font box and the font dialog honest about a missing family.
FamilyInUse familyInUse(const QFont& font);
