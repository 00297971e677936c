#include "document/document_reading.h"

#include <QBuffer>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>

#include "files/picture_completeness.h"
#include "files/picture_limits.h"
#include "files/png_encoding.h"

using namespace Qt::StringLiterals;

namespace {

const QString pictureSuffix = u".png"_s;
const QString fontPart = u"font.font"_s;

// How deep arrays and objects nest, strings skipped; the JSON parser itself
// would recurse as deep as the file asks.
int nestingDepth(QByteArrayView json) {
  int depth = 0;
  int deepest = 0;
  bool inString = false;
  for (qsizetype at = 0; at < json.size(); ++at) {
    const char c = json[at];
    if (inString) {
      if (c == '\\')
        ++at;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
      if (deepest > deepestDesignNesting) break;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return deepest;
}

QJsonObject manifestOf(const QByteArray& json) {
  if (nestingDepth(json) > deepestDesignNesting)
    throw DocumentRefusal(u"design.json nests deeper than %1 levels"_s.arg(deepestDesignNesting));
  QJsonParseError error;
  const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError)
    throw DocumentRefusal(
        u"design.json is no JSON (%1 at byte %2)"_s.arg(error.errorString()).arg(error.offset));
  if (!parsed.isObject()) throw DocumentRefusal(u"design.json holds no object"_s);
  return parsed.object();
}

void checkVersion(const QJsonObject& manifest) {
  if (manifest.value(u"format"_s).toString() != u"velloro-document"_s)
    throw DocumentRefusal(u"design.json names no Velloro document"_s);
  const int version = manifest.value(u"version"_s).toInt(0);
  if (version > documentFormatVersion)
    throw DocumentRefusal(
        u"made by a newer Velloro: format %1, this one reads format %2"_s.arg(version).arg(
            documentFormatVersion));
  if (version < 1) throw DocumentRefusal(u"design.json gives no format version"_s);
}

QImage storedForm(const QImage& picture) {
  return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                           : QImage::Format_RGB888);
}

QImage decodedPicture(const QString& part, const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(int(largestPicturePixels * 4 / (1 << 20)) + 1);
  const QSize size = reader.size();
  if (!size.isValid()) throw DocumentRefusal(u"%1 is no PNG picture"_s.arg(part));
  if (!withinPictureLimits(size.width(), size.height()))
    throw DocumentRefusal(u"%1 is larger than %2 pixels a side or %3 pixels"_s.arg(part)
                              .arg(largestPictureSide)
                              .arg(largestPicturePixels));
  if (!isCompletePicture(bytes, "png")) throw DocumentRefusal(u"%1 ends early"_s.arg(part));
  const QImage picture = reader.read();
  if (picture.isNull()) throw DocumentRefusal(u"%1: %2"_s.arg(part, reader.errorString()));
  return storedForm(picture);
}

// TrueType, OpenType (CFF), a collection of either, or WOFF and WOFF2.
bool isFontFile(const QByteArray& bytes) {
  static const std::array<QByteArray, 6> signatures{
      QByteArray("\x00\x01\x00\x00", 4), "OTTO"_ba, "true"_ba, "ttcf"_ba, "wOFF"_ba, "wOF2"_ba};
  return bytes.size() > 12 && std::ranges::any_of(signatures, [&](const QByteArray& signature) {
           return bytes.startsWith(signature);
         });
}

DocumentFontFile fontOf(const QJsonObject& manifest, const DocumentParts& parts) {
  const QString name = manifest.value(u"fontFile"_s).toString();
  const auto part = parts.find(fontPart);
  if (name.isEmpty() && part == parts.end()) return {};
  if (part == parts.end()) throw DocumentRefusal(u"the font file %1 is missing"_s.arg(name));
  if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.'))
    throw DocumentRefusal(u"the font file is named \"%1\", which is no plain name"_s.arg(name));
  if (!isFontFile(part->second)) throw DocumentRefusal(u"%1 is no font file"_s.arg(name));
  return {name, part->second};
}

}  // namespace

QByteArray documentBytes(const VelloroDocument& document) {
  DocumentParts parts;
  QJsonArray pictures;
  for (const auto& [name, picture] : document.pictures) {
    pictures.append(name);
    parts[name + pictureSuffix] = pngFileBytes(picture);
  }
  QJsonObject manifest{{u"format"_s, u"velloro-document"_s},
                       {u"version"_s, documentFormatVersion},
                       {u"design"_s, document.design},
                       {u"pictures"_s, pictures}};
  if (!document.font.name.isEmpty()) {
    manifest[u"fontFile"_s] = document.font.name;
    parts[fontPart] = document.font.bytes;
  }
  parts[manifestPart] = QJsonDocument(manifest).toJson(QJsonDocument::Indented);
  return containerBytes(parts);
}

VelloroDocument readDocument(QByteArrayView bytes) {
  const DocumentParts parts = readContainer(bytes);
  const QJsonObject manifest = manifestOf(parts.at(manifestPart));
  checkVersion(manifest);
  VelloroDocument document;
  document.design = manifest.value(u"design"_s).toObject();
  for (const QJsonValue& entry : manifest.value(u"pictures"_s).toArray()) {
    const QString name = entry.toString();
    const auto part = parts.find(name + pictureSuffix);
    if (part == parts.end()) throw DocumentRefusal(u"the picture %1 is missing"_s.arg(name));
    document.pictures[name] = decodedPicture(part->first, part->second);
  }
  document.font = fontOf(manifest, parts);
  return document;
}
