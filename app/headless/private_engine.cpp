#include "headless/private_engine.h"

#include <fcntl.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/removal_on_signal.h"
#include "state/failure.h"

PrivateEngine::PrivateEngine(QString libraryPath) : source_(std::move(libraryPath)) {}

PrivateEngine::~PrivateEngine() = default;

const EngineEntryPoints& PrivateEngine::entryPoints() {
  if (copy_) return copy_->entryPoints();
  // The loader shares a library already loaded from the same file, so the
  // copy needs a file of its own; once loaded, the file is no longer needed.
  QTemporaryDir folder;
  const QString copied = folder.filePath(QStringLiteral("libVelloroPrivate.so"));
  const RemovalOnSignal folderOnSignal(AT_FDCWD, QFile::encodeName(folder.path()), true);
  const RemovalOnSignal copyOnSignal(AT_FDCWD, QFile::encodeName(copied));
  if (!folder.isValid() || !QFile::copy(source_, copied))
    throw Failure(errorNumber::PathFileAccessError,
                  QStringLiteral("The relief engine %1 cannot be copied").arg(source_));
  auto library = std::make_unique<EngineLibrary>(copied);
  const EngineEntryPoints& points = library->entryPoints();
  copy_ = std::move(library);
  return points;
}
