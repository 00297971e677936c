// Path procedures shared by the windows. Paths use "/" between folders.
#pragma once

#include <QString>
#include <cstdint>

namespace pathKind {
inline constexpr int16_t Nothing = 0;
inline constexpr int16_t File = 1;
inline constexpr int16_t Folder = 2;
}  // namespace pathKind

// Nothing for an empty (or blank) path and for anything that cannot be
// opened for reading; never fails.
int16_t pathKindOf(const QString& path);

// The text after the last "/"; the whole path when it holds none.
QString fileNamePart(const QString& path);

// The text up to and including the last "/"; the whole path when it holds none.
QString folderPart(const QString& path);

// The path without its extension: the folder part stays whole and the file
// name is cut before its first "." after its first character ("a.b.txt"
// gives "a", ".profile" stays).
QString nameWithoutExtension(const QString& path);
