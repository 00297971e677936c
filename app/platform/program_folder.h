// The program folder: where the "inputs", "outputs", "textures", "curves"
// and "styles" folders and the help pages live. It is the folder of the executable when
// files can be made there; otherwise (an installed copy) a per-user data
// folder, filled from the shipped data at the first start.
#pragma once

#include <QString>

// Chooses between the two folders, fills the per-user one with every shipped
// file it lacks, and makes the working folders below the choice.
QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// Copies the shipped curves, textures, help pages and styles beside the executable
// that the user's folder lacks; the user's own changes to them stay.
void fillFromShippedData(const QString& executableFolder, const QString& userDataFolder);

// The program folder of this run, prepared at the first call.
const QString& programFolder();
