// The style file: a versioned JSON document (extension ".vstyle"). Reading
// applies what the document holds onto a base style, so a document may name
// only some settings; unknown keys are ignored. A malformed document or a
// value out of range is refused with a message that names the key, and the
// base is not changed.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <stdexcept>

#include "design/style.h"

inline constexpr int styleFormatVersion = 1;
inline constexpr qint64 largestStyleFile = 1 << 20;

class StyleError : public std::runtime_error {
 public:
  explicit StyleError(const QString& message);
  QString message() const;
};

// A value as a refusal shows it: a text quoted, a number with every digit
// that tells it apart, or what kind of value it is.
QString shownValue(const QJsonValue& value);

// The document for `style`, indented, with every setting.
QByteArray styleDocument(const Style& style, const QString& name);

// `base` with the settings of `document` applied; throws a StyleError.
Style readStyle(const QByteArray& document, const Style& base);

// The same for a file; missing, unreadable and oversized files are refused
// with a StyleError naming the file.
Style readStyleFile(const QString& path, const Style& base);

// The name a document gives itself, or empty.
QString styleName(const QByteArray& document);
