#include "service/service_page.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "design/setting_declarations.h"
#include "service/picture_answer.h"
#include "service/query_error.h"
#include "service/query_pairs.h"
#include "service/url_signature.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char contentSecurityPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
    "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

constexpr int largestSrcsetScale = 3;

QByteArray shippedFile(const QString& name) {
  QFile file(u":/service_page/"_s + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void answerFile(HttpAnswer& response, const QString& name, const char* type) {
  response.setHeader("Content-Security-Policy", contentSecurityPolicy);
  response.setHeader("X-Content-Type-Options", "nosniff");
  response.setContent(shippedFile(name).toStdString(), type);
}

bool fromThisHost(const HttpRequest& request) {
  return request.remoteAddress == "127.0.0.1" || request.remoteAddress == "::1";
}

QJsonArray jsonNames(const QStringList& names) { return QJsonArray::fromStringList(names); }

QStringList effectNames() {
  QStringList names;
  for (QLatin1StringView name : declaration(Setting::Effects).choices) names << name;
  return names;
}

QString signedPath(const QByteArray& key, const QString& path, std::vector<QueryPair> pairs) {
  const QString query = canonicalQuery(pairs);
  if (key.isEmpty()) return path + u'?' + query;
  return path + u'?' + query + u"&sig="_s + signatureOf(key, signedText(path, pairs));
}

// The URLs of a request's picture: PNG and WebP as asked, and PNGs at one,
// two and three times the density for an <img srcset>.
QJsonObject signedUrls(const QByteArray& key, std::vector<QueryPair> pairs) {
  takeSignature(pairs);
  QJsonObject urls{{u"png"_s, signedPath(key, u"/v1/title.png"_s, pairs)},
                   {u"webp"_s, signedPath(key, u"/v1/title.webp"_s, pairs)}};
  std::erase_if(pairs, [](const QueryPair& pair) { return pair.name == u"scale"_s; });
  QJsonArray densities;
  for (int scale = 1; scale <= largestSrcsetScale; ++scale) {
    std::vector<QueryPair> dense = pairs;
    if (scale > 1) dense.push_back({u"scale"_s, QString::number(scale), true});
    densities.append(signedPath(key, u"/v1/title.png"_s, dense));
  }
  urls.insert(u"densities"_s, densities);
  return urls;
}

void answerJson(HttpAnswer& response, const QJsonObject& object) {
  response.setContent(QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString(),
                      "application/json");
}

}  // namespace

QStringList styleNames(const QString& folder) {
  QStringList names;
  for (const QString& file : QDir(folder).entryList({u"*.vstyle"_s}, QDir::Files, QDir::Name))
    names << file.chopped(7);
  return names;
}

std::vector<HttpRoute> pageRoutes(const PageService& page) {
  const auto allowed = [signs = !page.key.isEmpty()](const HttpRequest& request,
                                                     HttpAnswer& response) {
    if (!signs || fromThisHost(request)) return true;
    answerText(response, 403, u"the page is served on this host only"_s);
    return false;
  };
  return {
      {"/",
       [allowed](const HttpRequest& request, HttpAnswer& response) {
         if (allowed(request, response))
           answerFile(response, u"index.html"_s, "text/html; charset=utf-8");
       }},
      {"/app.js",
       [](const HttpRequest&, HttpAnswer& response) {
         answerFile(response, u"app.js"_s, "text/javascript; charset=utf-8");
       }},
      {"/app.css",
       [](const HttpRequest&, HttpAnswer& response) {
         answerFile(response, u"app.css"_s, "text/css; charset=utf-8");
       }},
      {"/v1/options",
       [page](const HttpRequest&, HttpAnswer& response) {
         answerJson(response, {{u"styles"_s, jsonNames(styleNames(page.stylesFolder))},
                               {u"effects"_s, jsonNames(effectNames())}});
       }},
      {"/v1/sign",
       [page, allowed](const HttpRequest& request, HttpAnswer& response) {
         if (!allowed(request, response)) return;
         try {
           answerJson(
               response,
               signedUrls(page.key, queryPairs(QByteArray::fromStdString(request.rawQuery()))));
         } catch (const QueryError& error) {
           answerText(response, 400, error.message());
         }
       }},
  };
}
