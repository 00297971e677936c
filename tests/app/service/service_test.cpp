// The render service over loopback: the bytes of --render, caching, signed
// URLs, refusals that cost no render, limits, health and metrics.
#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdio>

#include "headless/render_run.h"
#include "service/url_signature.h"
#include "service_fixture.h"

using namespace Qt::StringLiterals;

namespace {

// The bytes `Velloro --render` writes for `arguments` plus "-o" a file of `format`.
QByteArray renderedBytes(QStringList arguments, const QString& format) {
  QTemporaryDir folder;
  const QString output = folder.filePath(u"title."_s + format);
  arguments.prepend(u"--render"_s);
  arguments << u"-o"_s << output;
  std::FILE* sink = std::tmpfile();
  const int status = runRenderCommand(
      arguments, {QStringLiteral(SHIPPED_DATA), QStringLiteral(ENGINE_PATH), sink, sink});
  std::fclose(sink);
  QFile file(output);
  if (status != 0 || !file.open(QIODevice::ReadOnly)) return "render failed";
  return file.readAll();
}

TEST_F(ServiceTest, APictureHasTheBytesRenderWrites) {
  httplib::Client& http = start();
  const QString styles = QStringLiteral(SHIPPED_DATA "/styles/");
  const struct {
    const char* path;
    QStringList arguments;
    QString format;
  } cases[] = {
      {"/v1/title.png?text=My+Site", {u"--text"_s, u"My Site"_s}, u"png"_s},
      {"/v1/title.png?size=30&style=gold&text=Shop",
       {u"--text"_s, u"Shop"_s, u"--style"_s, styles + u"gold.vstyle"_s, u"--size"_s, u"30"_s},
       u"png"_s},
      {"/v1/title.webp?text=Hi&effect=glow&transparent&trim=2&size=20",
       {u"--text"_s, u"Hi"_s, u"--effect"_s, u"glow"_s, u"--transparent"_s, u"--trim"_s, u"2"_s,
        u"--size"_s, u"20"_s},
       u"webp"_s},
      {"/v1/title.png?text=A%0AB&scale=2&size=12&colour=%23ff8000",
       {u"--text"_s, u"A\nB"_s, u"--scale"_s, u"2"_s, u"--size"_s, u"12"_s, u"--colour"_s,
        u"#ff8000"_s},
       u"png"_s},
      {"/v1/title.png?text=Q&canvas=60x40&at=3,4&background=%23102030&size=12",
       {u"--text"_s, u"Q"_s, u"--canvas"_s, u"60x40"_s, u"--at"_s, u"3,4"_s, u"--background"_s,
        u"#102030"_s, u"--size"_s, u"12"_s},
       u"png"_s},
  };
  for (const auto& c : cases) {
    const auto answer = http.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, 200) << c.path << answer->body;
    EXPECT_EQ(answer->get_header_value("Content-Type"), "image/" + c.format.toStdString());
    EXPECT_TRUE(QByteArray::fromStdString(answer->body) == renderedBytes(c.arguments, c.format))
        << c.path;
  }
}

TEST_F(ServiceTest, AFontFileOfTheFontsFolderDrawsTheTitle) {
  httplib::Client& http = start();
  const auto withFile = http.Get("/v1/title.png?text=Hi&size=20&font=Brand.ttf");
  const auto byFamily = http.Get("/v1/title.png?text=Hi&size=20&font=DejaVu+Sans");
  ASSERT_TRUE(withFile && byFamily);
  EXPECT_EQ(withFile->status, 200) << withFile->body;
  EXPECT_EQ(withFile->body, byFamily->body);
  const auto fake = http.Get("/v1/title.png?text=Hi&font=fake.ttf");
  ASSERT_TRUE(fake);
  EXPECT_EQ(fake->status, 400);
  EXPECT_EQ(fake->body, "font: 'fake.ttf' holds no font\n");
}

TEST_F(ServiceTest, CachingHeadersAndNotModifiedWithoutARender) {
  settings.maxAgeSeconds = 600;
  httplib::Client& http = start();
  const auto first = http.Get("/v1/title.png?size=12&text=Hi");
  ASSERT_TRUE(first);
  const std::string tag = first->get_header_value("ETag");
  EXPECT_EQ(tag.size(), 34u);
  EXPECT_EQ(tag.front(), '"');
  EXPECT_EQ(first->get_header_value("Cache-Control"), "public, max-age=600");
  EXPECT_EQ(renders(), "1");
  const auto reordered = http.Get("/v1/title.png?text=H%69&size=12", {{"If-None-Match", tag}});
  ASSERT_TRUE(reordered);
  EXPECT_EQ(reordered->status, 304);
  EXPECT_EQ(reordered->body, "");
  EXPECT_EQ(reordered->get_header_value("ETag"), tag);
  const auto weak = http.Get("/v1/title.png?text=Hi&size=12", {{"If-None-Match", "W/" + tag}});
  ASSERT_TRUE(weak);
  EXPECT_EQ(weak->status, 304);
  const auto other = http.Get("/v1/title.webp?text=Hi&size=12", {{"If-None-Match", tag}});
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 200);
  EXPECT_NE(other->get_header_value("ETag"), tag);
  EXPECT_EQ(renders(), "2");
  const auto metrics = http.Get("/metrics");
  ASSERT_TRUE(metrics);
  EXPECT_NE(metrics->body.find("velloro_not_modified_total 2\n"), std::string::npos);
  EXPECT_NE(
      metrics->body.find("velloro_requests_total{route=\"/v1/title.png\",status=\"304\"} 2\n"),
      std::string::npos);
}

TEST_F(ServiceTest, EveryReplicaGivesTheSameTag) {
  start();
  const auto one = client->Get("/v1/title.png?text=Same&size=10");
  const std::unique_ptr<RunningService> first = std::move(service);
  start();
  const auto two = client->Get("/v1/title.png?size=10&text=Same");
  ASSERT_TRUE(one && two);
  EXPECT_EQ(one->get_header_value("ETag"), two->get_header_value("ETag"));
  EXPECT_EQ(one->body, two->body);
}

TEST_F(ServiceTest, BadQueriesGet400WithOneLineAndNoRender) {
  httplib::Client& http = start();
  const struct {
    const char* path;
    const char* body;
  } cases[] = {
      {"/v1/title.png", "text: missing\n"},
      {"/v1/title.png?text=Hi&size=0", "size: '0' is not a size in points from 1 to 300\n"},
      {"/v1/title.webp?text=Hi&style=..%2F..%2Fetc%2Fpasswd",
       "style: '../../etc/passwd' is no style of the styles folder\n"},
      {"/v1/title.png?text=Hi&output=%2Ftmp%2Fx.png", "output: unknown parameter\n"},
      {"/v1/title.png?text=%1B%09", "text: the text holds nothing to draw\n"},
  };
  for (const auto& c : cases) {
    const auto answer = http.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, 400) << c.path;
    EXPECT_EQ(answer->body, c.body) << c.path;
    EXPECT_EQ(answer->get_header_value("Content-Type"), "text/plain; charset=utf-8");
  }
  EXPECT_EQ(renders(), "0");
}

TEST_F(ServiceTest, ATitleTooLargeForTheLimitIsRefused) {
  settings.mostPixels = 20000;
  httplib::Client& http = start();
  const struct {
    const char* path;
    int status;
    const char* body;
  } cases[] = {
      {"/v1/title.png?text=Hi&size=8", 200, ""},
      {"/v1/title.png?text=WWWWWWWWWW&size=100", 400,
       "text: the picture would hold more than 20000 pixels\n"},
      {"/v1/title.png?text=Hello+World&size=40", 400,
       "text: the picture would hold more than 20000 pixels\n"},
  };
  for (const auto& c : cases) {
    const auto answer = http.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, c.status) << c.path;
    if (c.status != 200) {
      EXPECT_EQ(answer->body, c.body) << c.path;
    }
  }
}

TEST_F(ServiceTest, WithAKeyOnlySignedRequestsAreRendered) {
  const QByteArray key = "a secret of this test";
  httplib::Client& http = start(key);
  const std::string sig = signatureOf(key, u"/v1/title.png?size=10&text=Hi"_s).toStdString();
  const struct {
    std::string path;
    int status;
    const char* body;
  } cases[] = {
      {"/v1/title.png?text=Hi&size=10", 403,
       "sig: missing; this service serves signed URLs only\n"},
      {"/v1/title.png?text=Ho&size=10&sig=" + sig, 403, "sig: does not match the request\n"},
      {"/v1/title.webp?text=Hi&size=10&sig=" + sig, 403, "sig: does not match the request\n"},
      {"/v1/title.png?text=Hi&size=11&sig=" + sig, 403, "sig: does not match the request\n"},
      {"/v1/title.png?text=Hi&size=10&sig=x", 403, "sig: does not match the request\n"},
  };
  for (const auto& c : cases) {
    const auto answer = http.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, c.status) << c.path;
    EXPECT_EQ(answer->body, c.body) << c.path;
  }
  EXPECT_EQ(renders(), "0");
  const auto signedAnswer = http.Get("/v1/title.png?sig=" + sig + "&size=10&text=Hi");
  ASSERT_TRUE(signedAnswer);
  EXPECT_EQ(signedAnswer->status, 200);
  EXPECT_EQ(renders(), "1");
}

TEST_F(ServiceTest, RequestLineAndHeadersAreBounded) {
  httplib::Client& http = start();
  const auto longLine = http.Get("/v1/title.png?text=" + std::string(2100, 'a'));
  ASSERT_TRUE(longLine);
  EXPECT_EQ(longLine->status, 414);
  EXPECT_EQ(longLine->body, "the request line is longer than 2048 bytes\n");
  httplib::Headers many;
  for (int i = 0; i < 65; ++i) many.emplace("X-Filler-" + std::to_string(i), "1");
  const auto manyHeaders = http.Get("/healthz", many);
  ASSERT_TRUE(manyHeaders);
  EXPECT_EQ(manyHeaders->status, 431);
  EXPECT_EQ(manyHeaders->body, "the headers are past 8192 bytes or 64 lines\n");
  const auto fewHeaders = http.Get("/healthz", {{"X-Filler", std::string(4000, 'b')}});
  ASSERT_TRUE(fewHeaders);
  EXPECT_EQ(fewHeaders->status, 200);
}

// A loopback connection to `port`, closed when it goes.
class Connection {
 public:
  explicit Connection(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    const timeval patience{5, 0};  // an answer that never comes fails the test, not hangs it
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
  }
  ~Connection() { ::close(socket_); }
  bool connected() const { return connected_; }

  // The status line of the answer to GET `path`.
  std::string statusOf(const std::string& path) {
    const std::string request = "GET " + path + " HTTP/1.1\r\nHost: test\r\n\r\n";
    if (::send(socket_, request.data(), request.size(), 0) != ssize_t(request.size())) return "";
    char answer[512] = {};
    const ssize_t got = ::recv(socket_, answer, sizeof answer - 1, 0);
    const std::string text(answer, size_t(std::max<ssize_t>(got, 0)));
    return text.substr(0, text.find('\r'));
  }

 private:
  int socket_;
  bool connected_ = false;
};

TEST_F(ServiceTest, RendersPastTheQueueGet429AndTheOthersTheirPicture) {
  settings.queueLength = 1;
  start();
  constexpr int asked = 8;
  std::vector<std::optional<httplib::Response>> answers(asked);
  std::vector<std::thread> askers;
  for (int i = 0; i < asked; ++i)
    askers.emplace_back([&, i] {
      httplib::Client own("127.0.0.1", service->port());
      if (const auto answer =
              own.Get("/v1/title.png?size=60&effect=glow&text=Busy+" + std::to_string(i)))
        answers[size_t(i)] = *answer;
    });
  for (std::thread& asker : askers) asker.join();
  int pictures = 0;
  int turnedAway = 0;
  for (const std::optional<httplib::Response>& answer : answers) {
    ASSERT_TRUE(answer);
    if (answer->status == 200) {
      ++pictures;
    } else {
      ++turnedAway;
      EXPECT_EQ(answer->status, 429);
      EXPECT_EQ(answer->body, "the render queue is full; try again\n");
      EXPECT_EQ(answer->get_header_value("Retry-After"), "1");
    }
  }
  EXPECT_GE(pictures, 2);
  EXPECT_GE(turnedAway, 1);
}

TEST_F(ServiceTest, ConnectionsPastTheLimitGet503) {
  settings.mostConnections = 1;
  start();
  const int port = service->port();
  Connection served(port);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  Connection waiting(port);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  Connection refused(port);
  ASSERT_TRUE(served.connected() && waiting.connected() && refused.connected());
  EXPECT_EQ(refused.statusOf("/healthz"), "HTTP/1.1 503 Service Unavailable");
  EXPECT_EQ(served.statusOf("/healthz"), "HTTP/1.1 200 OK");
}

TEST_F(ServiceTest, HealthReadinessPageAndUnknownPaths) {
  httplib::Client& http = start();
  const struct {
    const char* path;
    int status;
    const char* body;
  } cases[] = {
      {"/healthz", 200, "ok\n"},
      {"/readyz", 200, "ready\n"},
      {"/nothing", 404, "no such page\n"},
      {"/v1/title.gif?text=Hi", 404, "no such page\n"},
  };
  for (const auto& c : cases) {
    const auto answer = http.Get(c.path);
    ASSERT_TRUE(answer) << c.path;
    EXPECT_EQ(answer->status, c.status) << c.path;
    EXPECT_EQ(answer->body, c.body) << c.path;
  }
  const auto page = http.Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->get_header_value("Content-Security-Policy"),
            "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
            "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
  EXPECT_NE(page->body.find("<script src=\"/app.js\""), std::string::npos);
}

TEST_F(ServiceTest, SigningForThePageGivesEveryDensity) {
  const QByteArray key = "k";
  httplib::Client& http = start(key);
  const auto answer = http.Get("/v1/sign?text=Hi&scale=2");
  ASSERT_TRUE(answer);
  const std::string one =
      "/v1/title.png?text=Hi&sig=" + signatureOf(key, u"/v1/title.png?text=Hi"_s).toStdString();
  EXPECT_NE(answer->body.find("\"" + one + "\""), std::string::npos) << answer->body;
  const auto picture = http.Get(one);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->status, 200);
}

}  // namespace
