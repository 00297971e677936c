#include "service/entity_tag.h"

#include <QCryptographicHash>
#include <QList>

QByteArray entityTag(const QString& version, const QString& path, const QString& canonicalQuery) {
  const QByteArray request = (version + u'\n' + path + u'?' + canonicalQuery).toUtf8();
  const QByteArray digest = QCryptographicHash::hash(request, QCryptographicHash::Sha256);
  return '"' + digest.first(16).toHex() + '"';
}

bool noneMatchHolds(QByteArrayView header, const QByteArray& tag) {
  for (QByteArrayView part : QByteArray(header.toByteArray()).split(',')) {
    QByteArrayView candidate = part.trimmed();
    if (candidate == "*") return true;
    if (candidate.startsWith("W/")) candidate = candidate.sliced(2);
    if (candidate == tag) return true;
  }
  return false;
}
