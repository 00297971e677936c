// Signed URLs: the signature is HMAC-SHA256, by the service's secret key,
// over the path and the canonical query, written as 64 lowercase hex digits
// in the parameter "sig". Reordering or re-escaping the query keeps a URL
// signed; changing any name or value, or the path, does not.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "service/query_pairs.h"

inline constexpr QLatin1StringView signatureName{"sig"};

// The text a signature is made over: "/v1/title.png?" and the canonical query.
QString signedText(const QString& path, const std::vector<QueryPair>& pairs);

QString signatureOf(const QByteArray& key, const QString& text);

// Whether `signature` is the one of `text`, compared in a time that does
// not tell how much of it was right.
bool signatureMatches(const QByteArray& key, const QString& text, const QString& signature);

// Takes the signature out of `pairs`, when there is one.
std::optional<QString> takeSignature(std::vector<QueryPair>& pairs);

// `url` ("http://host/v1/title.png?text=Hi" or only its path and query) with
// its query canonical and signed; throws a QueryError when it cannot be read.
QString signedUrl(const QByteArray& key, const QString& url);
