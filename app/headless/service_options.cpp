#include "headless/service_options.h"

#include <arpa/inet.h>

#include <algorithm>

#include "design/text_picture.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int highestPort = 65535;
constexpr int longestAllowedText = 10000;
constexpr qint64 mostAllowedPixels = qint64(largestCanvasSide) * largestCanvasSide;
constexpr int longestQueue = 10000;
constexpr int longestTimeLimit = 600;
constexpr int longestMaxAge = 31'536'000;
constexpr int longestDrain = 300;
constexpr int mostAllowedConnections = 10000;

[[noreturn]] void refuse(const QString& option, const QString& problem) {
  throw UsageError(option + u": "_s + problem);
}

qint64 wholeNumber(const QString& option, const QString& value, qint64 low, qint64 high) {
  bool isNumber = false;
  const qint64 number = value.trimmed().toLongLong(&isNumber);
  if (!isNumber || number < low || number > high)
    refuse(option, u"'%1' is not a whole number from %2 to %3"_s.arg(value).arg(low).arg(high));
  return number;
}

QString nonEmpty(const QString& option, const QString& value) {
  if (value.isEmpty()) refuse(option, u"the value is empty"_s);
  return value;
}

bool isAddress(const QString& value) {
  const QByteArray text = value.toLatin1();
  in6_addr bytes{};
  return inet_pton(AF_INET, text.constData(), &bytes) == 1 ||
         inet_pton(AF_INET6, text.constData(), &bytes) == 1;
}

using Reader = std::function<void(RenderRequest&, const QString&, const QString&)>;

CommandOption valueOption(QString flag, QString valueName, QString help, Reader read) {
  return {std::move(flag), {}, std::move(valueName), std::move(help), std::move(read), {}};
}

std::vector<CommandOption> listeningOptions() {
  return {
      {u"--serve"_s,
       {},
       {},
       u"serve titles over HTTP/1.1 instead of rendering once: GET /v1/title.png and "
       u"/v1/title.webp take the options above as query parameters (text=Hi&size=48); /healthz, "
       u"/readyz, /metrics and the page at /"_s,
       {},
       [](RenderRequest& r) { r.service.serve = true; }},
      valueOption(u"--port"_s, u"N"_s,
                  u"the port --serve listens on, 0 to %1 (default 8080; 0 takes a free port, told "
                  u"on standard error)"_s.arg(highestPort),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.port = int(wholeNumber(o, v, 0, highestPort));
                  }),
      valueOption(u"--address"_s, u"IP"_s,
                  u"the address --serve listens on (default 127.0.0.1; 0.0.0.0 for every one)"_s,
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    if (!isAddress(v)) refuse(o, u"'%1' is not an IP address"_s.arg(v));
                    r.service.address = v;
                  }),
      valueOption(u"--styles"_s, u"DIR"_s,
                  u"the folder of the styles a request names by style=NAME (default: the "
                  u"program's styles)"_s,
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.stylesFolder = nonEmpty(o, v);
                  }),
      valueOption(u"--fonts"_s, u"DIR"_s,
                  u"the folder of the font files a request may name by font=FILE.ttf (or .otf)"_s,
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.fontsFolder = nonEmpty(o, v);
                  }),
      valueOption(u"--key-file"_s, u"FILE"_s,
                  u"the secret key that signs URLs; with it every request needs its signature "
                  u"sig= (see --sign-url)"_s,
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.keyFile = nonEmpty(o, v);
                  }),
      valueOption(u"--sign-url"_s, u"URL"_s,
                  u"print URL with its signature by the key of --key-file and end"_s,
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.urlToSign = nonEmpty(o, v);
                  }),
  };
}

std::vector<CommandOption> limitOptions() {
  return {
      valueOption(
          u"--max-text"_s, u"N"_s,
          u"the longest title a request may ask for, in characters, 1 to %1 (default 200)"_s.arg(
              longestAllowedText),
          [](RenderRequest& r, const QString& o, const QString& v) {
            r.service.longestText = int(wholeNumber(o, v, 1, longestAllowedText));
          }),
      valueOption(u"--max-lines"_s, u"N"_s,
                  u"the most lines of a title, 1 to %1: with --box a\ntitle wraps into at most N "
                  u"lines; with --serve a\nrequested title holds at most N (default 4)"_s.arg(
                      largestLineCount),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.mostLines = int(wholeNumber(o, v, 1, largestLineCount));
                    r.largestLineCount = r.service.mostLines;
                  }),
      valueOption(u"--max-pixels"_s, u"N"_s,
                  u"the most pixels of a served picture, 1 to %1 (default 4000000)"_s.arg(
                      mostAllowedPixels),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.mostPixels = wholeNumber(o, v, 1, mostAllowedPixels);
                  }),
      valueOption(u"--queue"_s, u"N"_s,
                  u"renders that may wait, 1 to %1 (default two per core); a request past them "
                  u"gets 429"_s.arg(longestQueue),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.queueLength = int(wholeNumber(o, v, 1, longestQueue));
                  }),
      valueOption(u"--time-limit"_s, u"S"_s,
                  u"seconds a request may wait for its render and render, 1 to %1 (default 10); "
                  u"past them its render is stopped and it gets 503"_s.arg(longestTimeLimit),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.timeLimit =
                        std::chrono::seconds(wholeNumber(o, v, 1, longestTimeLimit));
                  }),
      valueOption(u"--max-age"_s, u"S"_s,
                  u"seconds a cache may keep a served picture, 0 to %1 (default a year)"_s.arg(
                      longestMaxAge),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.maxAgeSeconds = int(wholeNumber(o, v, 0, longestMaxAge));
                  }),
      valueOption(u"--max-connections"_s, u"N"_s,
                  u"connections served at once, 1 to %1 (default 64); those past them get 503; a "
                  u"request line past 2048 bytes gets 414, headers past 8192 bytes or 64 lines "
                  u"get 431"_s.arg(mostAllowedConnections),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.mostConnections = int(wholeNumber(o, v, 1, mostAllowedConnections));
                  }),
      valueOption(u"--drain"_s, u"S"_s,
                  u"seconds still served after SIGTERM or SIGINT, /readyz answering 503, 0 to "
                  u"%1 (default 5); a second signal ends at once"_s.arg(longestDrain),
                  [](RenderRequest& r, const QString& o, const QString& v) {
                    r.service.drainSeconds = int(wholeNumber(o, v, 0, longestDrain));
                  }),
  };
}

}  // namespace

std::vector<CommandOption> serviceOptions() {
  std::vector<CommandOption> options = listeningOptions();
  std::ranges::move(limitOptions(), std::back_inserter(options));
  return options;
}

bool isServiceOption(const QString& flag) {
  static const std::vector<CommandOption> options = serviceOptions();
  return std::ranges::any_of(options, [&](const CommandOption& o) { return o.flag == flag; });
}
