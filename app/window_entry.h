// The window library, libVelloroWindow.so: every window of the program. The
// program loads it only to open its window, so a render from the command
// line loads neither Qt Widgets nor Print Support nor the printing system.
#pragma once

#include <QStringList>

inline constexpr char windowLibraryFile[] = "libVelloroWindow.so";
inline constexpr char windowEntryName[] = "runVelloroWindow";

// Opens the main window, offers it the files handed over on the command
// line, and runs until it closes; returns the program's exit status.
extern "C" int runVelloroWindow(int* argc, char** argv, const QStringList* handedFiles);
