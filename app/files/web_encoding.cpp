#include "files/web_encoding.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>

#include "files/failure.h"
#include "files/png_encoding.h"
#include "files/webp_mark.h"

namespace {

// Qt's WebP writer encodes losslessly at quality 100 and lossily below it.
constexpr int webpLosslessQuality = 100;
constexpr int webpLossyQualityLimit = 99;

QByteArray writerFormat(WebFormat format) {
  return format == WebFormat::Webp ? QByteArrayLiteral("webp") : QByteArrayLiteral("png");
}

bool writable(WebFormat format) {
  return QImageWriter::supportedImageFormats().contains(writerFormat(format));
}

int writerQuality(const WebEncoding& encoding) {
  if (encoding.lossless) return webpLosslessQuality;
  return std::clamp(encoding.quality, 0, webpLossyQualityLimit);
}

}  // namespace

QList<WebFormat> writableWebFormats() {
  QList<WebFormat> formats;
  for (WebFormat format : {WebFormat::Png, WebFormat::Webp})
    if (writable(format)) formats.append(format);
  return formats;
}

QString webExtension(WebFormat format) { return QString::fromLatin1(writerFormat(format)); }

std::optional<WebFormat> webFormatOfName(const QString& fileName) {
  for (WebFormat format : {WebFormat::Png, WebFormat::Webp})
    if (fileName.endsWith(QLatin1Char('.') + webExtension(format), Qt::CaseInsensitive))
      return format;
  return std::nullopt;
}

QByteArray encodeWebPicture(const QImage& picture, const WebEncoding& encoding) {
  if (picture.isNull() || !writable(encoding.format)) return {};
  if (encoding.format == WebFormat::Png) {
    try {
      return pngFileBytes(picture.convertToFormat(QImage::Format_ARGB32));
    } catch (const Failure&) {
      return {};
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, writerFormat(encoding.format));
  writer.setQuality(writerQuality(encoding));
  if (!writer.write(picture.convertToFormat(QImage::Format_ARGB32))) return {};
  return markedWebp(bytes, picture.size());
}
