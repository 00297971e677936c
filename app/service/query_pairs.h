// A URL's query as decoded name and value pairs, and its canonical form:
// the one spelling of a request that signatures and entity tags are made
// from, whatever order or escaping the client used.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

struct QueryPair {
  QString name;
  QString value;
  bool hasValue = false;  // "name=" rather than "name"

  bool operator==(const QueryPair&) const = default;
};

// Splits and decodes `query` (without its "?"), "+" as a space. Throws a
// QueryError for escapes that are broken or decode to no UTF-8 text, for a
// name given twice (but "effect", which stacks) and for an empty name.
std::vector<QueryPair> queryPairs(QByteArrayView query);

// The pairs sorted by name, those of one name in the order given, each name and value escaped as
// RFC 3986 escapes all but its unreserved characters, "name" alone for a pair without value.
QString canonicalQuery(std::vector<QueryPair> pairs);
