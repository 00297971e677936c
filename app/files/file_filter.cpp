#include "files/file_filter.h"

#include <QStringList>

QString qtFileFilter(const QString& entries) {
  if (entries.isEmpty()) return QStringLiteral("All Files (*.*)");
  const QStringList parts = entries.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    // Qt reads the patterns from the parentheses, so they must list all.
    QString description = parts[i].section(QLatin1Char('('), 0, 0).trimmed();
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}
