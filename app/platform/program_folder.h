// The program folder: where the "inputs", "outputs", "textures", "curves" and
// "styles" folders and the help pages live. It is the folder of the executable when
// files can be made there and the program is not an installed copy;
// otherwise a per-user data folder, filled from the shipped data at the
// first start.
#pragma once

#include <QString>
#include <functional>

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

// Tells the user one line about the program folder, on the error stream.
using FolderWarning = std::function<void(const QString&)>;

// Chooses between the two folders, fills the per-user one with every shipped
// file it lacks, and makes the working folders below the choice. When the
// per-user folder is needed but cannot be made or filled (no home, no room,
// no right to write, a file in the way; an empty `userDataFolder` means no
// home), the shipped data is used as it is, read-only, and `warn` is told
// why: the program still draws with the shipped curves.
QString prepareProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                             const FolderWarning& warn = {});

// Copies the shipped curves, textures, styles and help pages that the user's
// folder lacks; the user's own changes to them stay. Returns why a file is
// still missing there, or nothing when none is.
QString fillFromShippedData(const QString& shippedDataFolder, const QString& userDataFolder);

// The program folder of this run, prepared at the first call; a warning
// goes to the error stream.
const QString& programFolder();
