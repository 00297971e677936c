// The program folder: where the "inputs", "outputs", "textures", "curves" and
// "styles" folders and the help pages live. It is the folder of the executable when
// files can be made there and the program is not an installed copy;
// otherwise a per-user data folder, filled from the shipped data at the
// first start.
#pragma once

#include <QString>

// Where the parts of the program are. A build or an unpacked copy keeps
// everything beside the executable; an installed copy spreads over its
// prefix (bin/, lib/velloro/, share/velloro/) and never writes there.
struct ProgramLayout {
  QString engineLibrary;
  QString shippedData;
  bool installed = false;
};

// An installed copy is recognised by its engine library: under the prefix's
// library folder and not beside the executable.
ProgramLayout programLayout(const QString& executableFolder);

// Chooses between the two folders, fills the per-user one with every shipped
// file it lacks, and makes the working folders below the choice.
QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// Copies the shipped curves, textures, styles and help pages that the user's
// folder lacks; the user's own changes to them stay.
void fillFromShippedData(const QString& shippedDataFolder, const QString& userDataFolder);

// The program folder of this run, prepared at the first call.
const QString& programFolder();
