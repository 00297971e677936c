#include "headless/picture_output.h"

#include <QBuffer>
#include <QImageWriter>

#include "files/bmp_file.h"
#include "files/failure.h"
#include "files/png_encoding.h"
#include "files/velloro_mark.h"
#include "files/webp_mark.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int losslessWebp = 100;

}  // namespace

QByteArray encodedPicture(const QImage& picture, const QString& format,
                          std::optional<int> quality) {
  if (format == u"bmp"_s) return bmpFileBytes(picture);
  if (format == u"png"_s) return pngFileBytes(picture);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format == u"jpg"_s ? "jpeg" : format.toLatin1());
  if (format == u"webp"_s) writer.setQuality(quality.value_or(losslessWebp));
  if (format == u"jpg"_s && quality) writer.setQuality(*quality);
  putVelloroMark(writer);
  if (!writer.write(picture))
    throw Failure(errorNumber::InvalidArgument,
                  u"cannot encode a %1 picture: %2"_s.arg(format, writer.errorString()));
  if (format == u"webp"_s) return markedWebp(bytes, picture.size());
  return bytes;
}

void writePicture(const QImage& picture, const QString& path, std::optional<int> quality,
                  FinalLink finalLink) {
  writeFileReplacing(path, encodedPicture(picture, outputFormatOf(path), quality), finalLink);
}
