// The service library, libVelloroService.so: the render service with the
// HTTP library and the TLS libraries that come with it. The program loads it
// only to serve or to sign a URL, so a render from the command line starts
// without them.
#pragma once

#include <QStringList>

inline constexpr char serviceLibraryFile[] = "libVelloroService.so";
inline constexpr char serviceEntryName[] = "runVelloroService";

// Runs `Velloro --serve` or `Velloro --sign-url` with `arguments`, those
// after the program's name; returns the program's exit status.
extern "C" int runVelloroService(int* argc, char** argv, const QStringList* arguments);
