#include "output/jpeg_encoding.h"

#include "platform/imaging.h"
#include "platform/platform.h"

namespace {

void reportWriteError(Platform& platform) {
  platform.showMessage(
      {QStringLiteral("Error on file write."), MessageIcon::None, MessageButtons::Ok});
}

// Open, read and close the source; null when a step failed (and was reported).
std::unique_ptr<RgbPixels> readSource(const QString& source, int& width, int& height,
                                      Platform& platform) {
  std::unique_ptr<ImageSource> opened = openFileSource(source);
  if (!opened) {
    reportWriteError(platform);
    return nullptr;
  }
  std::unique_ptr<RgbPixels> pixels = readBmpToRgb(*opened, width, height);
  closeSource(opened);
  if (!pixels) reportWriteError(platform);
  return pixels;
}

}  // namespace

bool encodeJpeg(const QString& source, const QString& destination, int quality,
                Platform& platform) {
  int width = 0;
  int height = 0;
  const std::unique_ptr<RgbPixels> pixels = readSource(source, width, height, platform);
  std::unique_ptr<ImageDestination> target = openFileDest(destination);
  if (!target) {
    reportWriteError(platform);
    return false;
  }
  const bool written = pixels && writeRgbToJpg(*target, *pixels, width, height, quality);
  if (pixels && !written) reportWriteError(platform);
  // Closing is where the file takes its place: a full disk shows up here, and
  // a JPEG that is not in place must not pass for written.
  const bool inPlace = closeDest(target);
  if (written && !inPlace) reportWriteError(platform);
  return inPlace;
}
