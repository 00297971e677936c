// The imaging calls the JPEG optimiser works with: open a picture file as a
// source, read it into RGB pixels, close the source; open a destination,
// write the pixels to it as JPEG at a quality 0..100, close the destination.
// Each open or read returns null on failure and each write returns false, so
// the caller can tell which step failed. A destination takes the file's
// place only when it is closed after a successful write.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <memory>

// Loads the picture format plugins once, before any other imaging call, and
// returns whether JPEG files can be written.
bool initializeImaging();

struct ImageSource {
  QImageReader reader;
};

struct RgbPixels {
  QImage image;
};

// The JPEG is encoded in memory and written as a whole when the destination
// closes, so a failing disk never leaves part of it in place.
struct ImageDestination {
  QString path;
  QByteArray jpeg;
  bool written = false;
};

std::unique_ptr<ImageSource> openFileSource(const QString& path);
std::unique_ptr<RgbPixels> readBmpToRgb(ImageSource& source, int& width, int& height);
void closeSource(std::unique_ptr<ImageSource>& source);

std::unique_ptr<ImageDestination> openFileDest(const QString& path);
// Qualities outside 0..100 are taken as the nearest end.
bool writeRgbToJpg(ImageDestination& destination, const RgbPixels& pixels, int width, int height,
                   int quality);
// Returns whether the JPEG file is in place.
bool closeDest(std::unique_ptr<ImageDestination>& destination);
