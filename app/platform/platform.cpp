#include "platform/platform.h"

#include "platform/qt_platform.h"

namespace {
std::unique_ptr<Platform>& installedPlatform() {
  static std::unique_ptr<Platform> installed;
  return installed;
}
}  // namespace

Platform& platform() {
  auto& installed = installedPlatform();
  if (!installed) installed = std::make_unique<QtPlatform>();
  return *installed;
}

void usePlatform(std::unique_ptr<Platform> replacement) {
  installedPlatform() = std::move(replacement);
}
