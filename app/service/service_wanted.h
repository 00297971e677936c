// Whether a command line asks for the service; kept apart from the service
// itself, so that the program can ask without loading it.
#pragma once

#include <QStringList>

// Whether the arguments ask for the service or a signed URL (and not for
// the help, which --help answers whatever else is given).
bool wantsService(const QStringList& arguments);
