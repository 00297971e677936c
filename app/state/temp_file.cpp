#include "state/temp_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "state/failure.h"

File::File() : path_(QDir::tempPath() + '/') {
  // QTemporaryFile creates the file exclusively, so two programs never get
  // the same name.
  QTemporaryFile file(path_ + QStringLiteral("0XXXXXX.tmp"));
  file.setAutoRemove(false);
  if (!file.open()) throw fileFailure(file);
  filename_ = QFileInfo(file.fileName()).fileName();
}
