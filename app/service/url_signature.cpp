#include "service/url_signature.h"

#include <QMessageAuthenticationCode>
#include <QUrl>
#include <algorithm>

#include "service/query_error.h"

using namespace Qt::StringLiterals;

QString signedText(const QString& path, const std::vector<QueryPair>& pairs) {
  return path + u'?' + canonicalQuery(pairs);
}

QString signatureOf(const QByteArray& key, const QString& text) {
  return QString::fromLatin1(
      QMessageAuthenticationCode::hash(text.toUtf8(), key, QCryptographicHash::Sha256).toHex());
}

bool signatureMatches(const QByteArray& key, const QString& text, const QString& signature) {
  const QByteArray expected = signatureOf(key, text).toLatin1();
  const QByteArray given = signature.toLatin1();
  if (given.size() != expected.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < given.size(); ++i) difference |= uchar(given[i] ^ expected[i]);
  return difference == 0;
}

std::optional<QString> takeSignature(std::vector<QueryPair>& pairs) {
  const auto found = std::ranges::find(pairs, signatureName, &QueryPair::name);
  if (found == pairs.end()) return std::nullopt;
  QString signature = found->value;
  pairs.erase(found);
  return signature;
}

QString signedUrl(const QByteArray& key, const QString& url) {
  const QUrl parsed(url, QUrl::StrictMode);
  if (!parsed.isValid() || parsed.path().isEmpty())
    throw QueryError(u"--sign-url: '%1' is not a URL"_s.arg(url));
  std::vector<QueryPair> pairs = queryPairs(parsed.query(QUrl::FullyEncoded).toLatin1());
  takeSignature(pairs);
  const QString path = parsed.path(QUrl::FullyEncoded);
  const QString signature = signatureOf(key, signedText(path, pairs));
  QUrl start = parsed;
  start.setQuery(QString());
  const QString query = canonicalQuery(pairs);
  return start.toString(QUrl::FullyEncoded) + u'?' + (query.isEmpty() ? QString() : query + u'&') +
         signatureName + u'=' + signature;
}
