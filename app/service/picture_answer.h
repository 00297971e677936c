// The answer to GET /v1/title.png and /v1/title.webp, in the order that
// keeps a bad or unsigned request from costing a render: the query is read
// (400), its signature checked (403), the client's copy recognised by its
// entity tag (304), and only then is the title rendered (429 and 503 when
// the queue is full, does not move in time or the render outlasts it).
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

#include "service/http_exchange.h"

class RenderQueue;
class ServiceMetrics;
struct TitleFolders;
struct QueryLimits;

struct PictureService {
  RenderQueue& queue;
  ServiceMetrics& metrics;
  const TitleFolders& folders;
  const QueryLimits& limits;
  const QByteArray& key;  // empty: requests go unsigned
  QString version;
  int maxAgeSeconds = 0;
  std::chrono::milliseconds timeLimit{};
};

// `format` is "png" or "webp".
void answerPicture(const HttpRequest& request, HttpAnswer& response, const QString& format,
                   const PictureService& service);

// A plain-text answer of one line.
void answerText(HttpAnswer& response, int status, const QString& line);
