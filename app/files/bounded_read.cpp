#include "files/bounded_read.h"

#include <QFile>
#include <algorithm>
#include <cerrno>

#include "files/failure.h"

namespace {

// Memory grows with what is read, never with what a count promises.
constexpr qint64 chunkSize = 1 << 20;

}  // namespace

QByteArray readUpTo(QFile& file, qint64 count) {
  QByteArray content;
  while (content.size() < count) {
    const qsizetype start = content.size();
    const qint64 wanted = std::min(chunkSize, count - start);
    content.resize(start + wanted);
    errno = 0;
    const qint64 got = file.read(content.data() + start, wanted);
    if (got < 0) throw fileFailure(file, errno);
    content.resize(start + got);
    if (got == 0) break;
  }
  return content;
}

std::optional<QByteArray> readRestWithin(QFile& file, qint64 limit) {
  QByteArray content = readUpTo(file, limit + 1);
  if (content.size() > limit) return std::nullopt;
  return content;
}
