#include "state/file_writing.h"

#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "state/failure.h"

void FileOutput::put(QByteArrayView bytes) {
  // Written straight to the descriptor, never through a buffer: each failing
  // write is seen here, with the system's own error code.
  const char* next = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(descriptor_, next, size_t(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw failureFromSystemError(written < 0 ? errno : ENOSPC, path_);
    next += written;
    left -= written;
  }
}

namespace {

void openForReplacing(QSaveFile& file) {
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) throw fileFailure(file, errno);
}

// A disk that accepts writes into its cache may still refuse them on the way
// to the device; syncing shows that before the old file goes.
void syncToDevice(QSaveFile& file) {
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
    throw failureFromSystemError(errno, file.fileName());
}

void putContent(QSaveFile& file, const ContentWriter& writeContent) {
  FileOutput output(file.handle(), file.fileName());
  try {
    writeContent(output);
    syncToDevice(file);
  } catch (...) {
    file.cancelWriting();
    throw;
  }
}

void commit(QSaveFile& file) {
  errno = 0;
  if (!file.commit()) throw fileFailure(file, errno);
}

}  // namespace

void writeFileReplacing(const QString& target, const ContentWriter& writeContent) {
  QSaveFile file(target);
  openForReplacing(file);
  putContent(file, writeContent);
  commit(file);
}

void writeFileReplacing(const QString& target, const QByteArray& content) {
  writeFileReplacing(target, [&content](FileOutput& output) { output.put(content); });
}

void openForReading(QFile& file) {
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) throw fileFailure(file, errno);
}

void appendRest(QFile& input, FileOutput& output) {
  constexpr qint64 chunkSize = 1 << 20;
  while (!input.atEnd()) {
    errno = 0;
    const QByteArray chunk = input.read(chunkSize);
    if (chunk.isEmpty()) throw fileFailure(input, errno);
    output.put(chunk);
  }
}

void copyFileReplacing(const QString& source, const QString& target) {
  QFile input(source);
  openForReading(input);
  writeFileReplacing(target, [&input](FileOutput& output) { appendRest(input, output); });
}
