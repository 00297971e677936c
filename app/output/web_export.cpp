#include "output/web_export.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <algorithm>

#include "files/failure.h"
#include "files/file_writing.h"
#include "rendering/visible_extent.h"

using namespace Qt::StringLiterals;

QImage exportedPicture(const QImage& design, const WebExportChoice& choice) {
  if (choice.wholeCanvas) return design.convertToFormat(QImage::Format_ARGB32);
  return trimmedToVisible(design, choice.margin);
}

QRect exportedArea(const QImage& design, const WebExportChoice& choice) {
  const QRect extent = visibleExtent(design);
  if (extent.isNull()) return {};
  if (choice.wholeCanvas) return design.rect();
  const int grow = std::max(choice.margin, 0);
  return extent.adjusted(-grow, -grow, grow, grow);
}

QImage denserPicture(const QImage& denseDesign, QRect area, int scale) {
  // QImage::copy fills the part outside the picture with zeros: transparent.
  return denseDesign.convertToFormat(QImage::Format_ARGB32)
      .copy(QRect(area.topLeft() * scale, area.size() * scale));
}

QString denserName(const QString& target, int scale) {
  const QFileInfo file(target);
  const QString folder = target.chopped(file.fileName().size());
  return folder + file.completeBaseName() + u'@' + QString::number(scale) + u"x."_s + file.suffix();
}

namespace {

// The lines of a title read as one: the element is pasted into a page, and
// a raw line end inside the attribute would show there as it does nowhere
// in the dialog.
QString oneLine(const QString& text) {
  QStringList words;
  for (const QStringView line : QStringView(text).split(u'\n')) {
    const QStringView trimmed = line.trimmed();
    if (!trimmed.isEmpty()) words << trimmed.toString();
  }
  return words.join(u' ');
}

}  // namespace

QString imageElement(const QString& target, QSize size, const QString& text, bool withDenser) {
  // Spaces and commas separate the candidates of a srcset: names are
  // written as URLs.
  const auto url = [](const QString& path) {
    return QString::fromUtf8(QUrl::toPercentEncoding(QFileInfo(path).fileName(), "@"));
  };
  QString element = u"<img src=\""_s + url(target) + u'"';
  if (withDenser) {
    QStringList candidates;
    for (const int scale : denserScales)
      candidates << url(denserName(target, scale)) + u' ' + QString::number(scale) + u'x';
    element += u" srcset=\""_s + candidates.join(u", "_s) + u'"';
  }
  return element + u" width=\"%1\" height=\"%2\" alt=\"%3\">"_s.arg(size.width())
                       .arg(size.height())
                       .arg(oneLine(text).toHtmlEscaped());
}

void writeWebPicture(const QImage& picture, const WebEncoding& encoding, const QString& target) {
  const QByteArray bytes = encodeWebPicture(picture, encoding);
  if (bytes.isEmpty())
    throw Failure(
        errorNumber::InvalidArgument,
        QStringLiteral("The picture cannot be encoded as ") + webFormatCaption(encoding.format));
  writeFileReplacing(target, bytes);
}
