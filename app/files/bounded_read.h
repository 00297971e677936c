// Reading input whose length cannot be trusted: a pipe or a device reports
// no size (/dev/zero never ends), so bytes are read in chunks and the
// reading stops at a limit, whatever the file claims.
#pragma once

#include <QByteArray>
#include <optional>

class QFile;

// The next bytes of the open `file`, up to `count` of them (fewer at its end).
// Throws the Failure of a read that fails.
QByteArray readUpTo(QFile& file, qint64 count);

// The rest of the open `file` when it holds at most `limit` bytes more;
// nothing when it holds more. Throws the Failure of a read that fails.
std::optional<QByteArray> readRestWithin(QFile& file, qint64 limit);
