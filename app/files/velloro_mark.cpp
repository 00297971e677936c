#include "files/velloro_mark.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include "files/picture_formats.h"
#include "files/webp_mark.h"

void putVelloroMark(QImageWriter& writer) {
  writer.setText(QLatin1String(velloroMarkKey), QLatin1String(velloroMarkValue));
}

// Only the decoders of the formats that carry the mark read the file.
bool carriesVelloroMark(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray format = offeredFormatOf(file.read(16));
  file.seek(0);
  if (format == "webp") return webpCarriesMark(file);
  if (format != "png" && format != "jpeg") return false;
  QImageReader reader(&file, format);
  reader.setAutoDetectImageFormat(false);
  return reader.text(QLatin1String(velloroMarkKey)) == QLatin1String(velloroMarkValue);
}
