// The render service over loopback: the bytes of --render, caching, signed
// URLs, refusals that cost no render, limits, health and metrics.
#include <unistd.h>

#include <cstdio>

#include "rendered_bytes.h"
#include "service/url_signature.h"
#include "service_fixture.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(ServiceTest, APictureHasTheBytesRenderWrites) {
  start();
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
    const HttpReply answer = get(c.path);
    EXPECT_EQ(answer.status, 200) << c.path << answer.body;
    EXPECT_EQ(answer.header("Content-Type"), "image/" + c.format.toStdString());
    EXPECT_TRUE(QByteArray::fromStdString(answer.body) == renderedBytes(c.arguments, c.format))
        << c.path;
  }
}

TEST_F(ServiceTest, AFontFileOfTheFontsFolderDrawsTheTitle) {
  start();
  const HttpReply withFile = get("/v1/title.png?text=Hi&size=20&font=Brand.ttf");
  const HttpReply byFamily = get("/v1/title.png?text=Hi&size=20&font=DejaVu+Sans");
  EXPECT_EQ(withFile.status, 200) << withFile.body;
  EXPECT_EQ(withFile.body, byFamily.body);
  const HttpReply fake = get("/v1/title.png?text=Hi&font=fake.ttf");
  EXPECT_EQ(fake.status, 400);
  EXPECT_EQ(fake.body, "font: 'fake.ttf' holds no font\n");
}

TEST_F(ServiceTest, CachingHeadersAndNotModifiedWithoutARender) {
  settings.maxAgeSeconds = 600;
  start();
  const HttpReply first = get("/v1/title.png?size=12&text=Hi");
  const std::string tag = first.header("ETag");
  EXPECT_TRUE(tag.size() == 34 && tag.front() == '"') << tag;
  EXPECT_EQ(first.header("Cache-Control"), "public, max-age=600");
  EXPECT_EQ(renders(), "1");
  const HttpReply reordered = get("/v1/title.png?text=H%69&size=12", {{"If-None-Match", tag}});
  EXPECT_EQ(reordered.status, 304);
  EXPECT_EQ(reordered.body, "");
  EXPECT_EQ(reordered.header("ETag"), tag);
  const HttpReply weak = get("/v1/title.png?text=Hi&size=12", {{"If-None-Match", "W/" + tag}});
  EXPECT_EQ(weak.status, 304);
  const HttpReply other = get("/v1/title.webp?text=Hi&size=12", {{"If-None-Match", tag}});
  EXPECT_EQ(other.status, 200);
  EXPECT_NE(other.header("ETag"), tag);
  EXPECT_EQ(renders(), "2");
  const HttpReply metrics = get("/metrics");
  EXPECT_NE(metrics.body.find("velloro_not_modified_total 2\n"), std::string::npos);
  EXPECT_NE(metrics.body.find("velloro_requests_total{route=\"/v1/title.png\",status=\"304\"} 2\n"),
            std::string::npos);
}

TEST_F(ServiceTest, EveryReplicaGivesTheSameTag) {
  start();
  const HttpReply one = get("/v1/title.png?text=Same&size=10");
  const std::unique_ptr<RunningService> first = std::move(service);
  start();
  const HttpReply two = get("/v1/title.png?size=10&text=Same");
  EXPECT_EQ((std::pair{one.status, two.status}), (std::pair{200, 200}));
  EXPECT_EQ(one.header("ETag"), two.header("ETag"));
  EXPECT_EQ(one.body, two.body);
}

// Bad queries, titles past the pixel limit and unknown paths cost no render.
TEST_F(ServiceTest, RefusalsHealthAndReadinessInOneLine) {
  settings.mostPixels = 20000;
  start();
  const std::string tooLarge = "text: the picture would hold more than 20000 pixels\n";
  expectAnswers({
      {"/v1/title.png", 400, "text: missing\n"},
      {"/v1/title.png?text=Hi&size=0", 400, "size: '0' is not a size in points from 1 to 300\n"},
      {"/v1/title.webp?text=Hi&style=..%2F..%2Fetc%2Fpasswd", 400,
       "style: '../../etc/passwd' is no style of the styles folder\n"},
      {"/v1/title.png?text=Hi&output=%2Ftmp%2Fx.png", 400, "output: unknown parameter\n"},
      {"/v1/title.png?text=%1B%09", 400, "text: the text holds nothing to draw\n"},
      {"/v1/title.png?text=WWWWWWWWWW&size=100", 400, tooLarge},
      {"/v1/title.png?text=Hello+World&size=40", 400, tooLarge},
      {"/healthz", 200, "ok\n"},
      {"/readyz", 200, "ready\n"},
      {"/nothing", 404, "no such page\n"},
      {"/v1/title.gif?text=Hi", 404, "no such page\n"},
  });
  EXPECT_EQ(renders(), "0");
  const HttpReply small = get("/v1/title.png?text=Hi&size=8");
  EXPECT_EQ(small.status, 200);
  EXPECT_EQ(renders(), "1");
}

TEST_F(ServiceTest, WithAKeyOnlySignedRequestsAreRendered) {
  const QByteArray key = "a secret of this test";
  start(key);
  const std::string sig = signatureOf(key, u"/v1/title.png?size=10&text=Hi"_s).toStdString();
  const std::string mismatch = "sig: does not match the request\n";
  expectAnswers({
      {"/v1/title.png?text=Hi&size=10", 403,
       "sig: missing; this service serves signed URLs only\n"},
      {"/v1/title.png?text=Ho&size=10&sig=" + sig, 403, mismatch},
      {"/v1/title.webp?text=Hi&size=10&sig=" + sig, 403, mismatch},
      {"/v1/title.png?text=Hi&size=11&sig=" + sig, 403, mismatch},
      {"/v1/title.png?text=Hi&size=10&sig=x", 403, mismatch},
  });
  EXPECT_EQ(renders(), "0");
  const HttpReply signedAnswer = get("/v1/title.png?sig=" + sig + "&size=10&text=Hi");
  EXPECT_EQ(signedAnswer.status, 200);
  EXPECT_EQ(renders(), "1");
}

TEST_F(ServiceTest, RequestLineAndHeadersAreBounded) {
  start();
  const HttpReply longLine = get("/v1/title.png?text=" + std::string(2100, 'a'));
  EXPECT_EQ(longLine.status, 414);
  EXPECT_EQ(longLine.body, "the request line is longer than 2048 bytes\n");
  HttpHeaders many;
  for (int i = 0; i < 65; ++i) many.emplace_back("X-Filler-" + std::to_string(i), "1");
  const HttpReply manyHeaders = get("/healthz", many);
  EXPECT_EQ(manyHeaders.status, 431);
  EXPECT_EQ(manyHeaders.body, "the headers are past 8192 bytes or 64 lines\n");
  const HttpReply fewHeaders = get("/healthz", {{"X-Filler", std::string(4000, 'b')}});
  EXPECT_EQ(fewHeaders.status, 200);
}

// Eight renders at once: those past the queue are turned away, the others
// drawn; a time limit of nothing turns away those waiting for a lane and
// stops those that had one.
TEST_F(ServiceTest, RendersPastTheQueueOrTheTimeLimitAreTurnedAway) {
  const std::string noLane = "no render came free within the time limit; try again\n";
  const std::string stopped = "the render did not end within the time limit; try again\n";
  const struct {
    int queueLength;
    std::chrono::milliseconds timeLimit;
    int status;
    std::vector<std::string> bodies;  // any of them
    int leastPictures;                // a lane's and a waiting place's, or none
  } cases[] = {
      {1, std::chrono::seconds(10), 429, {"the render queue is full; try again\n"}, 2},
      {100, std::chrono::milliseconds(0), 503, {noLane, stopped}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    settings.queueLength = c.queueLength;
    settings.timeLimit = c.timeLimit;
    start();
    constexpr int asked = 8;
    std::vector<HttpReply> answers(asked);
    std::vector<std::thread> askers;
    for (int i = 0; i < asked; ++i)
      askers.emplace_back([&, i] {
        answers[size_t(i)] =
            get("/v1/title.png?size=60&effect=glow&text=Busy+" + std::to_string(i));
      });
    for (std::thread& asker : askers) asker.join();
    int pictures = 0;
    for (const HttpReply& answer : answers) {
      if (answer.status == 200) {
        ++pictures;
        continue;
      }
      EXPECT_EQ(answer.status, c.status);
      EXPECT_NE(std::ranges::find(c.bodies, answer.body), c.bodies.end()) << answer.body;
      EXPECT_EQ(answer.header("Retry-After"), "1");
    }
    EXPECT_GE(pictures, c.leastPictures);
    EXPECT_LT(pictures, asked);
  }
}

// A render still running at the time limit is stopped there: its request
// gets 503 (the answer given only for a render the engine gave up) no
// sooner than the limit, and the lane it held (the one given next) serves
// the next request with the bytes it gave before. How soon after the limit
// the render ends is a matter of speed, not checked here.
TEST_F(ServiceTest, ARenderPastTheTimeLimitIsStoppedAndItsLaneServesTheNext) {
  const std::string next = "/v1/title.png?size=40&effect=glow&text=Next";
  const std::string slow =
      "/v1/title.png?size=150&scale=3&effect=glow%3Awidth%3D100&text=Slow+render";
  const auto begun = std::chrono::steady_clock::now();
  renderedBytes({u"--size"_s, u"150"_s, u"--scale"_s, u"3"_s, u"--effect"_s, u"glow:width=100"_s,
                 u"--text"_s, u"Slow render"_s},
                u"png"_s);
  const auto whole = std::chrono::steady_clock::now() - begun;
  settings.timeLimit = std::chrono::milliseconds(100);
  ASSERT_LT(settings.timeLimit * 2, whole) << "the slow render is too quick to be stopped";
  start();
  const HttpReply served = get(next);
  ASSERT_EQ(served.status, 200);
  const auto asked = std::chrono::steady_clock::now();
  const HttpReply stopped = get(slow);
  const auto took = std::chrono::steady_clock::now() - asked;
  EXPECT_EQ(stopped.status, 503);
  EXPECT_EQ(stopped.body, "the render did not end within the time limit; try again\n");
  EXPECT_EQ(stopped.header("Retry-After"), "1");
  EXPECT_GE(took, settings.timeLimit);
  const HttpReply after = get(next);
  EXPECT_EQ(after.status, 200);
  EXPECT_EQ(after.body, served.body);
}

// The logged target is the one sent, its '%' signs as they came.
TEST_F(ServiceTest, TheAccessLogTellsTheTargetAsItCame) {
  start();
  std::FILE* log = std::tmpfile();
  std::fflush(stderr);
  const int standardError = ::dup(2);
  ::dup2(::fileno(log), 2);
  EXPECT_EQ(get("/healthz?at=%3A%251").status, 200);
  const std::string line = "127.0.0.1 \"GET /healthz?at=%3A%251\" 200 3 ";
  std::string logged;
  for (int wait = 0; wait < 500 && logged.find(line) == std::string::npos; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));  // logged once answered
    logged.assign(size_t(::lseek(::fileno(log), 0, SEEK_END)), '\0');
    logged.resize(size_t(std::max(::pread(::fileno(log), logged.data(), logged.size(), 0), 0L)));
  }
  ::dup2(standardError, 2);
  ::close(standardError);
  std::fclose(log);
  EXPECT_NE(logged.find(line), std::string::npos) << logged;
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

TEST_F(ServiceTest, ThePageComesWithItsContentSecurityPolicy) {
  start();
  const HttpReply page = get("/");
  EXPECT_EQ(page.header("Content-Security-Policy"),
            "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
            "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
  EXPECT_NE(page.body.find("<script src=\"/app.js\""), std::string::npos);
}

TEST_F(ServiceTest, SigningForThePageGivesEveryDensity) {
  const QByteArray key = "k";
  start(key);
  const HttpReply answer = get("/v1/sign?text=Hi&scale=2");
  const std::string one =
      "/v1/title.png?text=Hi&sig=" + signatureOf(key, u"/v1/title.png?text=Hi"_s).toStdString();
  EXPECT_NE(answer.body.find("\"" + one + "\""), std::string::npos) << answer.body;
  const HttpReply picture = get(one);
  EXPECT_EQ(picture.status, 200);
}

}  // namespace
