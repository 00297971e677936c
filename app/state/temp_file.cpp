#include "state/temp_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>

#include "state/failure.h"

File::File() : path_(QDir::tempPath() + '/') {
  // QTemporaryFile creates the file exclusively, so two programs never get
  // the same name.
  QTemporaryFile file(path_ + QStringLiteral("0XXXXXX.tmp"));
  file.setAutoRemove(false);
  errno = 0;
  if (!file.open()) throw fileFailure(file, errno);
  filename_ = QFileInfo(file.fileName()).fileName();
}
