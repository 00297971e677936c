// Pictures with transparency for web pages: PNG, always lossless, and WebP,
// lossless or lossy at a quality, through Qt's image writers. WebP comes from
// an image-format plugin that may be missing at run time, so the formats on
// offer are asked of Qt, not assumed.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

enum class WebFormat { Png, Webp };

struct WebEncoding {
  WebFormat format = WebFormat::Png;
  bool lossless = true;  // PNG is always lossless
  int quality = 90;      // lossy WebP, 0..100 (taken as the nearest end beyond)
};

// The formats this run can write, PNG first.
QList<WebFormat> writableWebFormats();

// The lower-case file extension without its dot: "png" or "webp".
QString webExtension(WebFormat format);

// The format a file name asks for by its extension (any case), if it is one
// of these.
std::optional<WebFormat> webFormatOfName(const QString& fileName);

// The encoded file bytes; empty when the format cannot be written here or
// the picture is null.
QByteArray encodeWebPicture(const QImage& picture, const WebEncoding& encoding);
