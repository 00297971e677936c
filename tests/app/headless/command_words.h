// Command lines for tests, written as one line of words.
#pragma once

#include <QStringList>

// The words of `line`, each "%" replaced by the next of `values` (which may
// hold spaces or be file names made at run time).
inline QStringList commandWords(const QString& line, const QStringList& values = {}) {
  QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  auto value = values.begin();
  for (QString& word : words)
    if (word == QLatin1String("%") && value != values.end()) word = *value++;
  return words;
}
