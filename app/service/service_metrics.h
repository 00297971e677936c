// What /metrics tells, in the Prometheus text format: requests by route and
// status, how long renders took, the render queue's depth and how many
// requests were answered 304 without a render.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <map>
#include <mutex>
#include <utility>

class ServiceMetrics {
 public:
  // `route` is one of the service's paths, or "other".
  void countRequest(const QString& route, int status);
  void countRender(std::chrono::duration<double> took);

  // The text of /metrics with the queue's current depth.
  QByteArray exposition(int queueDepth) const;

  // The route a request's path is counted under, so that a stranger's paths
  // cannot grow the counters without end.
  static QString routeOf(const QString& path);

 private:
  static constexpr std::array<double, 10> bucketBounds{0.005, 0.01, 0.025, 0.05, 0.1,
                                                       0.25,  0.5,  1,     2.5,  10};

  mutable std::mutex mutex_;
  std::map<std::pair<QString, int>, qint64> requests_;
  std::array<qint64, bucketBounds.size()> buckets_{};
  qint64 renders_ = 0;
  double renderSeconds_ = 0;
  qint64 notModified_ = 0;
};
