// The readers under test take file paths: each input is written to one file
// in a folder of this run, replaced by the next input. The folder is in
// memory where the system has one there: a disk would make every input
// wait on its file.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

inline QString fuzzFolderTemplate() {
  const QString memory = QStringLiteral("/dev/shm");
  const QString base = QFileInfo(memory).isDir() ? memory : QDir::tempPath();
  return base + QStringLiteral("/velloro-fuzz-XXXXXX");
}

inline QString fuzzFileOf(const uint8_t* data, size_t size) {
  static QTemporaryDir folder(fuzzFolderTemplate());
  static const QString path = folder.filePath(QStringLiteral("input"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), qint64(size));
  return path;
}
