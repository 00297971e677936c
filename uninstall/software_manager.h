// Finds and starts the desktop's program manager, where the user removes
// installed programs: on Velloro's own entry when the manager can show one
// and Velloro came from its package, otherwise on the installed programs.
#pragma once

#include <QString>
#include <QStringList>

// A program manager and how to open it on either page.
struct SoftwareManager {
  QString program;
  QStringList entryArguments;          // Velloro's own entry; empty when not supported
  QStringList installedListArguments;  // the installed programs
};

// Program managers that can remove programs, in the order they are tried:
// the first one installed is the one started.
const QList<SoftwareManager>& softwareManagers();

// Whether the package manager holds Velloro as an installed package; false
// when there is no package manager or it does not answer.
bool installedFromPackage();

// The arguments that open `manager` on Velloro's entry when `packaged` and
// the manager supports that, else on its installed programs.
QStringList managerArguments(const SoftwareManager& manager, bool packaged);

// Starts the program manager without waiting for it; whether that worked
// does not matter to the caller.
void startSoftwareManager();
