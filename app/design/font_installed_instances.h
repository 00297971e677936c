// The named instances of the variable fonts installed on the system, made
// families of their own as a font file's are ("Inter Thin"): listed from
// each font's axes and names alone, the files found through the system's
// font configuration, and made a static font (design/font_instances.h)
// only when a title is drawn in one. The system's font database offers
// them as styles of their family only.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct InstalledInstance {
  QString family;  // "<family> <instance>"
  QString style;   // the instance's own name
  QString path;    // the installed font file
  int face = 0;
  int instance = 0;  // counted from 1
};

// One entry a family, the first of the files in path order where two files
// name the same one; an installed family's own name is never taken. A font
// whose axes cannot be read is left out.
std::vector<InstalledInstance> readInstalledInstances();

// The same, read once a run, the first time it is asked for.
const std::vector<InstalledInstance>& installedInstances();

// The families of the font database and the installed instances', in
// alphabetical order: the list the user chooses a family from.
QStringList listedFamilies();

// When `family` (in any case) names an installed instance, adds its static
// font to the run's fonts, once; the font database then draws it. Why it
// cannot be made, naming the file; empty when it is there or `family` is
// no installed instance.
QString provideInstalledInstance(const QString& family);
