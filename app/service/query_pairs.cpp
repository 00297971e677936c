#include "service/query_pairs.h"

#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

#include "service/query_error.h"

using namespace Qt::StringLiterals;

namespace {

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Percent escapes are checked by hand: Qt passes a broken one through as it is.
QString decoded(QByteArrayView part, const QString& what) {
  QByteArray bytes = part.toByteArray();
  bytes.replace('+', ' ');
  for (qsizetype i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '%' &&
        (i + 2 >= bytes.size() || !isHexDigit(bytes[i + 1]) || !isHexDigit(bytes[i + 2])))
      throw QueryError(what + u": a broken %-escape"_s);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(QByteArray::fromPercentEncoding(bytes));
  if (utf8.hasError()) throw QueryError(what + u": not UTF-8 text"_s);
  return text;
}

QueryPair pairOf(QByteArrayView part) {
  const qsizetype equals = part.indexOf('=');
  const QByteArrayView rawName = equals < 0 ? part : part.first(equals);
  QueryPair pair;
  pair.name = decoded(rawName, u"a parameter's name"_s);
  if (pair.name.isEmpty()) throw QueryError(u"a parameter without a name"_s);
  if (equals >= 0) {
    pair.hasValue = true;
    pair.value = decoded(part.sliced(equals + 1), pair.name);
  }
  return pair;
}

// Each "effect" lays one more effect on the stack, as --effect does.
bool repeatable(const QString& name) { return name == u"effect"_s; }

QString escaped(const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }

}  // namespace

std::vector<QueryPair> queryPairs(QByteArrayView query) {
  std::vector<QueryPair> pairs;
  for (qsizetype start = 0; start <= query.size();) {
    qsizetype end = query.indexOf('&', start);
    if (end < 0) end = query.size();
    if (end > start) {
      QueryPair pair = pairOf(query.sliced(start, end - start));
      if (!repeatable(pair.name) &&
          std::ranges::any_of(pairs, [&](const QueryPair& p) { return p.name == pair.name; }))
        throw QueryError(pair.name + u": given twice"_s);
      pairs.push_back(std::move(pair));
    }
    start = end + 1;
  }
  return pairs;
}

QString canonicalQuery(std::vector<QueryPair> pairs) {
  // Stable: a parameter given more than once (effect) keeps its order.
  std::ranges::stable_sort(pairs, {}, &QueryPair::name);
  QStringList parts;
  for (const QueryPair& pair : pairs)
    parts << (pair.hasValue ? escaped(pair.name) + u'=' + escaped(pair.value) : escaped(pair.name));
  return parts.join(u'&');
}
