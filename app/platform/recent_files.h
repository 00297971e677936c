// The pictures opened lately, newest first, kept per user in the setting
// "Recent/Files" so File > Open Recent lists them in the next run too.
#pragma once

#include <QStringList>

inline constexpr int recentFilesKept = 10;

QStringList recentFiles();
// Puts `path` first, once, and forgets the oldest beyond the ten kept.
void rememberRecentFile(const QString& path);
void forgetRecentFile(const QString& path);
