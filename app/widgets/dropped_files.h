// The local files a drag carries. Drags of anything else (text, remote
// addresses) carry none, and windows refuse them.
#pragma once

#include <QStringList>

class QMimeData;

QStringList droppedFiles(const QMimeData& data);

// Whether a handed or dropped file is a style rather than a picture.
bool isStyleFile(const QString& path);
