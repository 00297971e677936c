#include "service/picture_answer.h"

#include "files/failure.h"
#include "headless/printable_text.h"
#include "service/entity_tag.h"
#include "service/query_error.h"
#include "service/render_queue.h"
#include "service/service_metrics.h"
#include "service/title_query.h"
#include "service/url_signature.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int retryAfterSeconds = 1;

// A request the key did not sign, answered 403.
struct Unsigned {
  QString reason;
};

void checkSignature(const PictureService& service, const QString& path,
                    std::vector<QueryPair>& pairs) {
  const std::optional<QString> signature = takeSignature(pairs);
  if (service.key.isEmpty()) return;
  if (!signature) throw Unsigned{u"sig: missing; this service serves signed URLs only"_s};
  if (!signatureMatches(service.key, signedText(path, pairs), *signature))
    throw Unsigned{u"sig: does not match the request"_s};
}

void setCaching(HttpAnswer& response, const QByteArray& tag, int maxAgeSeconds) {
  response.setHeader("ETag", tag.toStdString());
  response.setHeader("Cache-Control", "public, max-age=" + std::to_string(maxAgeSeconds));
}

void answerRefusal(HttpAnswer& response, RenderQueue::Refusal why) {
  switch (why) {
    case RenderQueue::Refusal::Full:
      answerText(response, 429, u"the render queue is full; try again"_s);
      break;
    case RenderQueue::Refusal::TimedOut:
      answerText(response, 503, u"no render came free within the time limit; try again"_s);
      break;
    case RenderQueue::Refusal::Overran:
      answerText(response, 503, u"the render did not end within the time limit; try again"_s);
      break;
  }
}

void renderInto(HttpAnswer& response, const TitleQuery& title, const QString& format,
                const PictureService& service) {
  const auto start = std::chrono::steady_clock::now();
  try {
    const QByteArray bytes = service.queue.render(title.request, format, service.timeLimit);
    service.metrics.countRender(std::chrono::steady_clock::now() - start);
    response.status = 200;
    response.setContent(bytes.toStdString(), format == u"png"_s ? "image/png" : "image/webp");
  } catch (const RenderQueue::Refused& refused) {
    response.setHeader("Retry-After", std::to_string(retryAfterSeconds));
    answerRefusal(response, refused.why);
  } catch (const Failure& failure) {
    answerText(response, 400, u"text: "_s + failure.description());
  } catch (const std::bad_alloc&) {
    answerText(response, 503, u"out of memory; try again"_s);
  }
}

}  // namespace

void answerText(HttpAnswer& response, int status, const QString& line) {
  response.status = status;
  response.setContent(printableText(line).toStdString() + "\n", "text/plain; charset=utf-8");
}

void answerPicture(const HttpRequest& request, HttpAnswer& response, const QString& format,
                   const PictureService& service) {
  const QString path = QString::fromStdString(request.path);
  try {
    std::vector<QueryPair> pairs = queryPairs(QByteArray::fromStdString(request.rawQuery()));
    checkSignature(service, path, pairs);
    const TitleQuery title = readTitleQuery(pairs, service.folders, service.limits);
    const QByteArray tag = entityTag(service.version, path, title.canonical);
    const std::optional<std::string> noneMatch = request.header("If-None-Match");
    if (noneMatch && noneMatchHolds(QByteArray::fromStdString(*noneMatch), tag)) {
      setCaching(response, tag, service.maxAgeSeconds);
      response.status = 304;
      return;
    }
    renderInto(response, title, format, service);
    if (response.status == 200) setCaching(response, tag, service.maxAgeSeconds);
  } catch (const QueryError& error) {
    answerText(response, 400, error.message());
  } catch (const Unsigned& refusal) {
    answerText(response, 403, refusal.reason);
  }
}
