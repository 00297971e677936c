#include "state/file_writing.h"

#include <QFile>
#include <QSaveFile>

#include "state/failure.h"

void openForWriting(QSaveFile& file) {
  if (!file.open(QIODevice::WriteOnly)) throw fileFailure(file);
}

void openForReading(QFile& file) {
  if (!file.open(QIODevice::ReadOnly)) throw fileFailure(file);
}

void writeAll(QSaveFile& file, const QByteArray& content) {
  if (file.write(content) != content.size()) throw fileFailure(file);
}

void commit(QSaveFile& file) {
  if (!file.commit()) throw fileFailure(file);
}

void appendRest(QFile& input, QSaveFile& output) {
  constexpr qint64 chunkSize = 1 << 20;
  while (!input.atEnd()) {
    const QByteArray chunk = input.read(chunkSize);
    if (chunk.isEmpty()) throw fileFailure(input);
    writeAll(output, chunk);
  }
}

void copyFileReplacing(const QString& source, const QString& target) {
  QFile input(source);
  openForReading(input);
  QSaveFile output(target);
  openForWriting(output);
  appendRest(input, output);
  commit(output);
}

void writeFileReplacing(const QString& target, const QByteArray& content) {
  QSaveFile output(target);
  openForWriting(output);
  writeAll(output, content);
  commit(output);
}
