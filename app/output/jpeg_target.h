// The name Apply writes the JPEG under: the picture's own name for Save, the
// name chosen in the save dialog for Save As, with a JPEG extension.
#pragma once

#include <QString>

// A name that already ends in ".jpg" or ".jpeg" (any case) is kept as it is:
// on a case-sensitive file system a changed extension would be another file
// and leave the old one beside the new. Any other extension becomes ".jpg".
QString jpegTargetName(const QString& mode, const QString& currentName, const QString& chosenName);
