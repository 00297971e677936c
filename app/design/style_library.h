// The styles a user can pick from a menu: every ".vstyle" file of the
// program's styles folder (the shipped presets and the user's own), each
// shown by the name its document gives, else by its file name.
#pragma once

#include <QString>
#include <vector>

struct StyleEntry {
  QString name;
  QString path;
};

inline const QString styleExtension = QStringLiteral(".vstyle");

// Sorted by name, case-insensitively; unreadable files still show, so that
// choosing one reports what is wrong with it.
std::vector<StyleEntry> stylesIn(const QString& folder);
