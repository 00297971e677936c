// A title's file written on a thread of its own, so that the renderer goes
// on with the next title while the disk takes the file in: most of a
// file's write is the wait until it is safely stored.
#pragma once

#include <QByteArray>
#include <QString>
#include <future>
#include <optional>

#include "files/file_writing.h"

// What became of a write: the Failure's description, or nothing when the
// file was written. Anything else thrown comes out of get().
using WriteProblem = std::future<std::optional<QString>>;

// Starts replacing `path` with `content`; when no thread can be started the
// file is written before this returns.
WriteProblem writeInBackground(QString path, QByteArray content, FinalLink finalLink);
