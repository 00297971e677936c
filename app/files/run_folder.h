// This run's own folder in the system's temporary folder: every working and
// undo file of the run lives in it, so two copies of Velloro running at once
// never touch each other's files. Its name carries the process id, so a later
// run can tell the folder of a run that ended without cleaning up.
#pragma once

#include <QString>

// The folder, ending in "/", made at the first call ("Velloro-<pid>-XXXXXX")
// and again when it has gone.
// Throws a Failure when the temporary folder takes no new folder.
const QString& runFolder();

// Deletes this run's folder with everything in it; the next runFolder() call
// makes a new one.
void removeRunFolder();

// Deletes the run folders in `temporaryFolder` whose process no longer lives.
void removeFoldersOfEndedRuns(const QString& temporaryFolder);
