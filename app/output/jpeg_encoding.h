// Encoding a picture file as JPEG through the imaging calls. A failed step
// shows "Error on file write." and the steps that do not need its result go
// on; the JPEG replaces the destination only when it was written whole.
#pragma once

#include <QString>

class Platform;

// Returns whether the JPEG file is in place.
bool encodeJpeg(const QString& source, const QString& destination, int quality, Platform& platform);
