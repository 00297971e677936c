#include "service/title_service.h"

#include <httplib.h>

#include <QThread>
#include <atomic>
#include <cstdio>

#include "headless/printable_text.h"
#include "headless/render_command.h"
#include "service/connection_pool.h"
#include "service/font_folder.h"
#include "service/picture_answer.h"
#include "service/render_queue.h"
#include "service/service_metrics.h"
#include "service/service_page.h"
#include "service/title_query.h"

using namespace Qt::StringLiterals;

namespace {

constexpr size_t longestRequestLine = 2048;
constexpr size_t mostHeaderBytes = 8192;
constexpr size_t mostHeaderLines = 64;
constexpr int keepAliveSeconds = 2;
constexpr size_t longestLoggedTarget = 512;

thread_local std::chrono::steady_clock::time_point requestStart;

int waitingPlaces(const ServiceSettings& settings) {
  return settings.queueLength.value_or(2 * std::max(1, QThread::idealThreadCount()));
}

// The server's connections go to the service's own pool.
class PooledConnections : public httplib::TaskQueue {
 public:
  explicit PooledConnections(int connections) : pool_(connections, connections) {}
  void enqueue(std::function<void()> connection) override { pool_.enqueue(std::move(connection)); }
  void shutdown() override { pool_.shutdown(); }

 private:
  ConnectionPool pool_;
};

HttpRequest requestOf(const httplib::Request& request) {
  return {request.path, request.target, request.remote_addr,
          HttpHeaders(request.headers.begin(), request.headers.end())};
}

// The answer's body, a whole picture, is handed over rather than copied.
void fill(httplib::Response& response, HttpAnswer&& answer) {
  response.status = answer.status;
  for (const auto& [name, value] : answer.headers) response.set_header(name, value);
  if (answer.contentType.empty()) return;
  response.body = std::move(answer.body);
  response.set_header("Content-Type", answer.contentType);
}

// Serves `handler` at `path`.
void route(httplib::Server& server, const std::string& path, HttpHandler handler) {
  server.Get(path, [handler = std::move(handler)](const httplib::Request& request,
                                                  httplib::Response& response) {
    HttpAnswer answer;
    handler(requestOf(request), answer);
    fill(response, std::move(answer));
  });
}

size_t headerBytes(const httplib::Request& request) {
  size_t bytes = 0;
  for (const auto& [name, value] : request.headers) bytes += name.size() + value.size() + 4;
  return bytes;
}

// Answers a request past the limits before it is routed.
std::optional<HttpAnswer> refusalBeforeRouting(const httplib::Request& request) {
  HttpAnswer response;
  if (ConnectionPool::servesRefusals()) {
    response.setHeader("Connection", "close");
    response.setHeader("Retry-After", "1");
    answerText(response, 503, u"too many connections; try again"_s);
  } else if (request.target.size() + request.method.size() + 10 > longestRequestLine) {
    answerText(response, 414,
               u"the request line is longer than %1 bytes"_s.arg(longestRequestLine));
  } else if (request.headers.size() > mostHeaderLines || headerBytes(request) > mostHeaderBytes) {
    answerText(
        response, 431,
        u"the headers are past %1 bytes or %2 lines"_s.arg(mostHeaderBytes).arg(mostHeaderLines));
  } else {
    return std::nullopt;
  }
  return response;
}

QString accessLine(const httplib::Request& request, const httplib::Response& response) {
  const auto took =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStart);
  const QString target =
      printableText(QString::fromStdString(request.target.substr(0, longestLoggedTarget)));
  // In one pass: a '%' the target carries is not taken for a place of the line.
  return u"%1 \"%2 %3\" %4 %5 %6ms\n"_s.arg(
      QString::fromStdString(request.remote_addr), QString::fromStdString(request.method), target,
      QString::number(response.status), QString::number(response.body.size()),
      QString::number(took.count(), 'f', 1));
}

}  // namespace

struct TitleService::Parts {
  explicit Parts(const ServiceSetup& given)
      : setup(given),
        queue(setup.enginePath, setup.programFolder, waitingPlaces(setup.settings),
              setup.settings.mostPixels),
        folders{setup.settings.stylesFolder.isEmpty() ? setup.programFolder + u"/styles"_s
                                                      : setup.settings.stylesFolder,
                setup.settings.fontsFolder,
                [this](const QString& path) { return fonts.familyOf(path); }},
        limits{setup.settings.longestText, setup.settings.mostLines, setup.settings.mostPixels},
        pictures{queue,
                 metrics,
                 folders,
                 limits,
                 setup.key,
                 commandLineVersionText(),
                 setup.settings.maxAgeSeconds,
                 setup.settings.timeLimit} {}

  ServiceSetup setup;
  RenderQueue queue;
  ServiceMetrics metrics;
  FontFolder fonts;
  TitleFolders folders;
  QueryLimits limits;
  PictureService pictures;
  httplib::Server server;
  std::atomic<bool> draining{false};
};

TitleService::TitleService(const ServiceSetup& setup) : parts_(std::make_unique<Parts>(setup)) {
  httplib::Server& server = parts_->server;
  Parts& parts = *parts_;
  const int connections = setup.settings.mostConnections;
  server.new_task_queue = [connections] { return new PooledConnections(connections); };
  server.set_keep_alive_timeout(keepAliveSeconds);
  // An answer goes out in more than one write: held back for the client's
  // acknowledgement of the first, each kept-alive request would wait out
  // its delayed acknowledgement, tens of milliseconds, for a render of a few.
  server.set_tcp_nodelay(true);
  server.set_payload_max_length(0);
  server.set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
    requestStart = std::chrono::steady_clock::now();
    std::optional<HttpAnswer> refusal = refusalBeforeRouting(request);
    if (!refusal) return httplib::Server::HandlerResponse::Unhandled;
    fill(response, std::move(*refusal));
    return httplib::Server::HandlerResponse::Handled;
  });
  server.set_logger([&parts](const httplib::Request& request, const httplib::Response& response) {
    parts.metrics.countRequest(ServiceMetrics::routeOf(QString::fromStdString(request.path)),
                               response.status);
    const QByteArray line = accessLine(request, response).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
  });
  route(server, "/v1/title.png", [&parts](const HttpRequest& request, HttpAnswer& response) {
    answerPicture(request, response, u"png"_s, parts.pictures);
  });
  route(server, "/v1/title.webp", [&parts](const HttpRequest& request, HttpAnswer& response) {
    answerPicture(request, response, u"webp"_s, parts.pictures);
  });
  route(server, "/healthz",
        [](const HttpRequest&, HttpAnswer& response) { answerText(response, 200, u"ok"_s); });
  route(server, "/readyz", [&parts](const HttpRequest&, HttpAnswer& response) {
    if (parts.draining)
      answerText(response, 503, u"stopping"_s);
    else
      answerText(response, 200, u"ready"_s);
  });
  route(server, "/metrics", [&parts](const HttpRequest&, HttpAnswer& response) {
    response.setContent(parts.metrics.exposition(parts.queue.depth()).toStdString(),
                        "text/plain; version=0.0.4; charset=utf-8");
  });
  for (HttpRoute& page : pageRoutes({parts.folders.styles, setup.key}))
    route(server, page.path, std::move(page.handler));
  server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (!response.body.empty() || response.status != 404) return;
    HttpAnswer answer;
    answerText(answer, 404, u"no such page"_s);
    fill(response, std::move(answer));
  });
}

TitleService::~TitleService() = default;

std::optional<int> TitleService::bind() {
  const ServiceSettings& settings = parts_->setup.settings;
  const std::string address = settings.address.toStdString();
  if (settings.port == 0) {
    const int port = parts_->server.bind_to_any_port(address);
    return port > 0 ? std::optional(port) : std::nullopt;
  }
  if (!parts_->server.bind_to_port(address, settings.port)) return std::nullopt;
  return settings.port;
}

bool TitleService::serve() { return parts_->server.listen_after_bind(); }

void TitleService::drain() { parts_->draining = true; }

void TitleService::stop() {
  drain();
  parts_->server.stop();
}
