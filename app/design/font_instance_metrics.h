// The metrics a variable font varies with its instance (ascender,
// descender, line gap, x-height, underline, strikeout, caret), as FreeType
// reads them at the face's current point of the design space, written over
// the default ones in a static font's tables: Qt reads a font's metrics
// from its tables as they stand in the file.
#pragma once

#include <QByteArray>
#include <map>

struct FT_FaceRec_;

void putInstanceMetrics(FT_FaceRec_* face, std::map<quint32, QByteArray>& tables);
