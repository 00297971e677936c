// Finds and starts the desktop's program manager, where the user removes
// installed programs.
#pragma once

#include <QString>
#include <QStringList>

// Program managers in the order they are tried: the first one installed is
// the one started.
QStringList softwareManagerCandidates();

// Path of the first installed program manager, or empty when there is none.
QString findSoftwareManager();

// Starts the program manager without waiting for it; whether that worked
// does not matter to the caller.
void startSoftwareManager();
