// Feeds arbitrary bytes to the signature check of the render service: the
// first byte splits a key from a query. A query signed by the key must
// match after any reordering of its pairs; the same query with its
// signature changed, or signed by another key, must not match.
#include <algorithm>
#include <cstdlib>

#include "service/query_error.h"
#include "service/url_signature.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t keySize = std::min<size_t>(data[0], size - 1);
  const QByteArray key(reinterpret_cast<const char*>(data + 1), qsizetype(keySize));
  const QByteArrayView query(reinterpret_cast<const char*>(data + 1 + keySize),
                             qsizetype(size - 1 - keySize));
  try {
    std::vector<QueryPair> pairs = queryPairs(query);
    const QString given = takeSignature(pairs).value_or(QString());
    const QString text = signedText(QStringLiteral("/v1/title.png"), pairs);
    const QString signature = signatureOf(key, text);
    std::ranges::reverse(pairs);
    if (!signatureMatches(key, signedText(QStringLiteral("/v1/title.png"), pairs), signature))
      std::abort();
    if (given != signature && signatureMatches(key, text, given)) std::abort();
    if (signatureMatches(key + 'x', text, signature)) std::abort();
  } catch (const QueryError&) {
  }
  return 0;
}
