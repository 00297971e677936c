#include "platform/imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>

#include "files/failure.h"
#include "files/file_writing.h"
#include "files/velloro_mark.h"

bool initializeImaging() {
  static const bool jpegWritable = QImageWriter::supportedImageFormats().contains("jpeg");
  return jpegWritable;
}

std::unique_ptr<ImageSource> openFileSource(const QString& path) {
  if (!QFileInfo(path).isFile()) return nullptr;
  auto source = std::make_unique<ImageSource>();
  source->reader.setFileName(path);
  if (!source->reader.canRead()) return nullptr;
  return source;
}

std::unique_ptr<RgbPixels> readBmpToRgb(ImageSource& source, int& width, int& height) {
  const QImage picture = source.reader.read();
  if (picture.isNull()) return nullptr;
  auto pixels = std::make_unique<RgbPixels>();
  pixels->image = picture.convertToFormat(QImage::Format_RGB888);
  width = pixels->image.width();
  height = pixels->image.height();
  return pixels;
}

void closeSource(std::unique_ptr<ImageSource>& source) { source.reset(); }

std::unique_ptr<ImageDestination> openFileDest(const QString& path) {
  const QFileInfo target(path);
  if (!target.absoluteDir().exists() || target.isDir()) return nullptr;
  auto destination = std::make_unique<ImageDestination>();
  destination->path = path;
  return destination;
}

bool writeRgbToJpg(ImageDestination& destination, const RgbPixels& pixels, int width, int height,
                   int quality) {
  if (pixels.image.width() != width || pixels.image.height() != height) return false;
  QBuffer encoded(&destination.jpeg);
  encoded.open(QIODevice::WriteOnly);
  QImageWriter writer(&encoded, "jpeg");
  writer.setQuality(std::clamp(quality, 0, 100));
  putVelloroMark(writer);
  destination.written = writer.write(pixels.image);
  return destination.written;
}

bool closeDest(std::unique_ptr<ImageDestination>& destination) {
  if (!destination) return false;
  bool inPlace = destination->written;
  try {
    if (inPlace) writeFileReplacing(destination->path, destination->jpeg);
  } catch (const Failure&) {
    inPlace = false;
  }
  destination.reset();
  return inPlace;
}
