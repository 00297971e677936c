// What a piece of code under test throws as the program's failure.
#pragma once

#include <QString>
#include <functional>

#include "state/failure.h"

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
