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

void answerFile(httplib::Response& response, const QString& name, const char* type) {
  response.set_header("Content-Security-Policy", contentSecurityPolicy);
  response.set_header("X-Content-Type-Options", "nosniff");
  response.set_content(shippedFile(name).toStdString(), type);
}

bool fromThisHost(const httplib::Request& request) {
  return request.remote_addr == "127.0.0.1" || request.remote_addr == "::1";
}

QJsonArray jsonNames(const QStringList& names) { return QJsonArray::fromStringList(names); }

QStringList effectNames() {
  QStringList names;
  for (QLatin1StringView name : declaration(Setting::Effect).choices) names << name;
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

void answerJson(httplib::Response& response, const QJsonObject& object) {
  response.set_content(QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString(),
                       "application/json");
}

}  // namespace

QStringList styleNames(const QString& folder) {
  QStringList names;
  for (const QString& file : QDir(folder).entryList({u"*.vstyle"_s}, QDir::Files, QDir::Name))
    names << file.chopped(7);
  return names;
}

void addPageRoutes(httplib::Server& server, const PageService& page) {
  const auto allowed = [signs = !page.key.isEmpty()](const httplib::Request& request,
                                                     httplib::Response& response) {
    if (!signs || fromThisHost(request)) return true;
    answerText(response, 403, u"the page is served on this host only"_s);
    return false;
  };
  server.Get("/", [allowed](const httplib::Request& request, httplib::Response& response) {
    if (allowed(request, response))
      answerFile(response, u"index.html"_s, "text/html; charset=utf-8");
  });
  server.Get("/app.js", [](const httplib::Request&, httplib::Response& response) {
    answerFile(response, u"app.js"_s, "text/javascript; charset=utf-8");
  });
  server.Get("/app.css", [](const httplib::Request&, httplib::Response& response) {
    answerFile(response, u"app.css"_s, "text/css; charset=utf-8");
  });
  server.Get("/v1/options", [page](const httplib::Request&, httplib::Response& response) {
    answerJson(response, {{u"styles"_s, jsonNames(styleNames(page.stylesFolder))},
                          {u"effects"_s, jsonNames(effectNames())}});
  });
  server.Get("/v1/sign",
             [page, allowed](const httplib::Request& request, httplib::Response& response) {
               if (!allowed(request, response)) return;
               const std::string& target = request.target;
               const size_t mark = target.find('?');
               try {
                 const QByteArray query = QByteArray::fromStdString(
                     mark == std::string::npos ? std::string() : target.substr(mark + 1));
                 answerJson(response, signedUrls(page.key, queryPairs(query)));
               } catch (const QueryError& error) {
                 answerText(response, 400, error.message());
               }
             });
}
