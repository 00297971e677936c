// What `Velloro --serve` and `Velloro --sign-url` were asked for: where the
// service listens, the folders a request may name files in, the key that
// signs URLs and the limits that keep the host safe.
#pragma once

#include <QString>
#include <chrono>
#include <optional>

struct ServiceSettings {
  bool serve = false;
  std::optional<QString> urlToSign;
  int port = 8080;
  QString address = QStringLiteral("127.0.0.1");
  QString stylesFolder;  // empty: the program folder's styles
  QString fontsFolder;   // empty: no font file may be named
  QString keyFile;       // empty: requests go unsigned
  int longestText = 200;
  int mostLines = 4;
  qint64 mostPixels = 4'000'000;
  std::optional<int> queueLength;  // renders waiting; two per core when not given
  // Whole seconds on the command line; finer for a caller that sets it.
  std::chrono::milliseconds timeLimit = std::chrono::seconds(10);
  int maxAgeSeconds = 31'536'000;
  int mostConnections = 64;
  // After SIGTERM or SIGINT: seconds still served while /readyz says 503,
  // so a balancer takes the replica out before it goes.
  int drainSeconds = 5;

  bool operator==(const ServiceSettings&) const = default;
};
