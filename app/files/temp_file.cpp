#include "files/temp_file.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>

#include "files/failure.h"
#include "files/run_folder.h"

File::File() : path_(runFolder()) {
  // QTemporaryFile creates the file exclusively, so two windows of a run
  // never get the same name.
  QTemporaryFile file(path_ + QStringLiteral("0XXXXXX.tmp"));
  file.setAutoRemove(false);
  errno = 0;
  if (!file.open()) throw fileFailure(file, errno);
  filename_ = QFileInfo(file.fileName()).fileName();
}
