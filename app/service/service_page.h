// The page at / where an editor types a title and sees its picture, and
// what it asks the service for: the styles and effects to choose from
// (/v1/options) and the request's URLs, signed when the service has a key
// (/v1/sign). With a key, the page and the signing answer only clients on
// this host (the editor, or a tunnel to it): whoever reaches /v1/sign can
// have any URL signed, so a proxy in front must not pass it on.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "service/http_exchange.h"

struct PageService {
  QString stylesFolder;
  QByteArray key;  // empty: the URLs go unsigned and anyone may use the page
};

std::vector<HttpRoute> pageRoutes(const PageService& page);

// The names of the styles in `folder`, sorted.
QStringList styleNames(const QString& folder);
