// Velloro document files (".velloro"): read with a limit whatever size the
// file reports, written through the safe writer, so a failed write leaves
// the old document as it was. Every refusal is a Failure naming the file
// and the cause: "Unreadable document (the file ends early): path".
#pragma once

#include <QString>

#include "document/velloro_document.h"

inline const QString documentSuffix = QStringLiteral(".velloro");

bool isDocumentName(const QString& path);

// Throws the file's own failure (missing, unreadable) or 50004.
VelloroDocument readDocumentFile(const QString& path);

void writeDocumentFile(const QString& path, const VelloroDocument& document);
