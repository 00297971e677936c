#include "platform/platform.h"

#include <QtGlobal>

namespace {
std::unique_ptr<Platform>& installedPlatform() {
  static std::unique_ptr<Platform> installed;
  return installed;
}
}  // namespace

// The window program installs the Qt platform before its window opens and
// tests install their scripted one; a render without a window hands its
// console platform on by hand and never comes here.
Platform& platform() {
  auto& installed = installedPlatform();
  if (!installed) qFatal("No platform was installed before the first dialog");
  return *installed;
}

void usePlatform(std::unique_ptr<Platform> replacement) {
  installedPlatform() = std::move(replacement);
}
