// Strong entity tags of served pictures. A tag is made from the program's
// version and the request's one spelling alone, so every replica of the
// same version gives the same tag for the same request without rendering,
// and a client's If-None-Match is answered before any render.
#pragma once

#include <QByteArray>
#include <QString>

// `"` + 32 hex digits + `"`.
QByteArray entityTag(const QString& version, const QString& path, const QString& canonicalQuery);

// Whether the If-None-Match header `header` names `tag` or is "*"; a weak
// tag "W/..." matches its strong form, as the weak comparison of a
// conditional GET allows.
bool noneMatchHolds(QByteArrayView header, const QByteArray& tag);
