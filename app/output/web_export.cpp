#include "output/web_export.h"

#include "state/failure.h"
#include "state/file_writing.h"
#include "state/visible_extent.h"

QImage exportedPicture(const QImage& design, const WebExportChoice& choice) {
  if (choice.wholeCanvas) return design.convertToFormat(QImage::Format_ARGB32);
  return trimmedToVisible(design, choice.margin);
}

void writeWebPicture(const QImage& picture, const WebEncoding& encoding, const QString& target) {
  const QByteArray bytes = encodeWebPicture(picture, encoding);
  if (bytes.isEmpty())
    throw Failure(
        errorNumber::InvalidArgument,
        QStringLiteral("The picture cannot be encoded as ") + webFormatCaption(encoding.format));
  writeFileReplacing(target, bytes);
}
