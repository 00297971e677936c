// The program's one failure report: "error number : " + number + site tag,
// a line break, the description; in a plain OK box titled "Velloro".
#pragma once

#include <string_view>
#include <utility>

#include "files/failure.h"
#include "platform/platform.h"

QString failureReportText(const Failure& failure, std::string_view siteTag);

// Shows the report for a failure trapped by the handler owning `siteTag`.
void reportFailure(Platform& target, std::string_view siteTag, const Failure& failure);

// Runs a handler's body and reports any failure under the handler's tag; the
// rest of the body is abandoned and the program goes on.
template <typename Body>
void runTrapped(Platform& target, std::string_view siteTag, Body&& body) {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    reportFailure(target, siteTag, currentFailure());
  }
}
