#include "files/picture_formats.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// Save As lists Bitmap and JPEG first, so the web formats follow them.
constexpr int firstWebSaveEntry = 2;

QString withWebp(QString patterns) {
  if (webpReadable()) patterns += QStringLiteral(";*.webp");
  return patterns;
}

QString webEntry(WebFormat format) {
  return format == WebFormat::Webp ? QStringLiteral("WebP (*.webp)|*.webp")
                                   : QStringLiteral("PNG (*.png)|*.png");
}

}  // namespace

bool webpReadable() {
  return QImageReader::supportedImageFormats().contains(QByteArrayLiteral("webp"));
}

QByteArray offeredFormatOf(const QByteArray& head) {
  if (head.startsWith("BM")) return QByteArrayLiteral("bmp");
  if (head.startsWith("\xFF\xD8\xFF")) return QByteArrayLiteral("jpeg");
  if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return QByteArrayLiteral("gif");
  if (head.startsWith("\x89PNG\r\n\x1A\n")) return QByteArrayLiteral("png");
  if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP" && webpReadable())
    return QByteArrayLiteral("webp");
  return {};
}

QString openPictureFilter() {
  QString filter = QStringLiteral("All compatibles files |") +
                   withWebp(QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif;*.png")) +
                   QStringLiteral(
                       "|Bitmap (*.bmp)|*.bmp|Standard compression (*.jpg)|*.jpg;"
                       "*.jpeg|Gif (*.gif)|*.gif|") +
                   webEntry(WebFormat::Png);
  if (webpReadable()) filter += QLatin1Char('|') + webEntry(WebFormat::Webp);
  return filter;
}

QString imageFilesFilter() {
  return QStringLiteral("Image files |") +
         withWebp(QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg;*.png"));
}

QString savePictureFilter() {
  QString filter = QStringLiteral("Bitmap (*.bmp)|*.bmp|Standard compression (*.jpg)|*.jpg;*.jpeg");
  for (WebFormat format : writableWebFormats()) filter += QLatin1Char('|') + webEntry(format);
  return filter;
}

std::optional<WebFormat> webFormatOfSaveEntry(int entry) {
  const QList<WebFormat> formats = writableWebFormats();
  const int index = entry - firstWebSaveEntry;
  if (index < 0 || index >= formats.size()) return std::nullopt;
  return formats[index];
}

int saveEntryOfName(const QString& name, int otherwise) {
  const QString extension = QFileInfo(name).suffix().toLower();
  if (extension == QLatin1String("bmp")) return bitmapEntry;
  if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) return jpegEntry;
  if (const std::optional<WebFormat> web = webFormatOfName(name)) {
    const qsizetype index = writableWebFormats().indexOf(*web);
    if (index >= 0) return firstWebSaveEntry + int(index);
  }
  return otherwise;
}

QString webNameOf(const QString& chosen, WebFormat format) {
  if (webFormatOfName(chosen) == format) return chosen;
  const QString extension = QLatin1Char('.') + webExtension(format);
  const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
  if (dot > slash + 1) return chosen.left(dot) + extension;
  return chosen + extension;
}

WebEncoding savedWebEncoding(WebFormat format) { return {format, true, 100}; }
