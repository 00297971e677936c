// The render service: HTTP/1.1 on cpp-httplib. Title pictures at
// /v1/title.png and /v1/title.webp, the page at /, /healthz, /readyz and
// /metrics; one access-log line per request on standard error. It keeps
// nothing between requests but its counters, so any number of replicas can
// stand behind a cache.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "headless/service_settings.h"

struct ServiceSetup {
  ServiceSettings settings;
  QString programFolder;  // its curves and textures; its styles unless settings name others
  QString enginePath;
  QByteArray key;  // empty: requests go unsigned
};

class TitleService {
 public:
  explicit TitleService(const ServiceSetup& setup);
  ~TitleService();

  // Binds the address and port of the settings; the port it listens on
  // (the free one taken for port 0), or none when it cannot bind.
  std::optional<int> bind();

  // Serves until stop(); false when serving failed.
  bool serve();

  // From any thread: /readyz answers 503 from now on while every other
  // request is still served, until stop().
  void drain();

  // Ends serve() from any thread; requests under way are answered first.
  void stop();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};
