// What the state tests share: the facilities most of them use, and the
// failure a piece of code under test throws.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "desktop/scripted_platform.h"
#include "files/failure.h"
#include "test_files.h"
#include "test_pictures.h"

// The file `name` in `folder` holding `bytes`.
inline QString writtenFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
  const QString path = folder.filePath(QLatin1String(name));
  writeContent(path, bytes);
  return path;
}

// The failure `code` throws; number 0 when it throws none.
inline Failure failureOf(const std::function<void()>& code) {
  try {
    code();
  } catch (const Failure& failure) {
    return failure;
  }
  return Failure(0, {});
}

// The thrown failure as "number description"; "none" when nothing is thrown.
inline QString failureText(const std::function<void()>& code) {
  const Failure failure = failureOf(code);
  if (failure.number() == 0) return QStringLiteral("none");
  return QString::number(failure.number()) + ' ' + failure.description();
}
