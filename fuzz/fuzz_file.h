// The readers under test take file paths: each input is written to one file
// in a folder of this run, replaced by the next input.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

inline QString fuzzFileOf(const uint8_t* data, size_t size) {
  static QTemporaryDir folder;
  static const QString path = folder.filePath(QStringLiteral("input"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), qint64(size));
  return path;
}
