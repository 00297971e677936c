#include "service/service_metrics.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr int notModifiedStatus = 304;

}  // namespace

QString ServiceMetrics::routeOf(const QString& path) {
  static const QStringList routes{
      u"/"_s,        u"/app.js"_s,     u"/app.css"_s, u"/v1/title.png"_s, u"/v1/title.webp"_s,
      u"/v1/sign"_s, u"/v1/options"_s, u"/healthz"_s, u"/readyz"_s,       u"/metrics"_s};
  return routes.contains(path) ? path : u"other"_s;
}

void ServiceMetrics::countRequest(const QString& route, int status) {
  const std::lock_guard lock(mutex_);
  ++requests_[{route, status}];
  if (status == notModifiedStatus) ++notModified_;
}

void ServiceMetrics::countRender(std::chrono::duration<double> took) {
  const std::lock_guard lock(mutex_);
  ++renders_;
  renderSeconds_ += took.count();
  for (size_t i = 0; i < bucketBounds.size(); ++i)
    if (took.count() <= bucketBounds[i]) ++buckets_[i];
}

QByteArray ServiceMetrics::exposition(int queueDepth) const {
  const std::lock_guard lock(mutex_);
  QString text;
  text +=
      u"# HELP velloro_requests_total Requests answered, by route and status.\n"_s
      u"# TYPE velloro_requests_total counter\n"_s;
  for (const auto& [key, count] : requests_)
    text += u"velloro_requests_total{route=\"%1\",status=\"%2\"} %3\n"_s.arg(key.first)
                .arg(key.second)
                .arg(count);
  text +=
      u"# HELP velloro_render_seconds Time of each render, queue wait excluded.\n"_s
      u"# TYPE velloro_render_seconds histogram\n"_s;
  for (size_t i = 0; i < bucketBounds.size(); ++i)
    text +=
        u"velloro_render_seconds_bucket{le=\"%1\"} %2\n"_s.arg(bucketBounds[i]).arg(buckets_[i]);
  text += u"velloro_render_seconds_bucket{le=\"+Inf\"} %1\n"_s.arg(renders_);
  text += u"velloro_render_seconds_sum %1\n"_s.arg(renderSeconds_, 0, 'g', 9);
  text += u"velloro_render_seconds_count %1\n"_s.arg(renders_);
  text +=
      u"# HELP velloro_render_queue_depth Renders waiting or running.\n"_s
      u"# TYPE velloro_render_queue_depth gauge\n"_s
      u"velloro_render_queue_depth %1\n"_s.arg(queueDepth);
  text +=
      u"# HELP velloro_not_modified_total Requests answered 304 without a render.\n"_s
      u"# TYPE velloro_not_modified_total counter\n"_s
      u"velloro_not_modified_total %1\n"_s.arg(notModified_);
  return text.toUtf8();
}
