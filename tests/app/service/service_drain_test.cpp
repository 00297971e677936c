// Stopping `Velloro --serve` as an orchestrator does: at SIGTERM /readyz
// answers 503 at once while the rest is still served for the drain period;
// a second signal ends it at once.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <thread>

#include "http_client.h"

TEST(ServiceDrain, ReadinessGoesAtTheSignalAndTheRestIsServedUntilTheNext) {
  QProcess program;
  program.setReadChannel(QProcess::StandardError);
  program.start(QStringLiteral(VELLORO_PROGRAM), {"--serve", "--port", "0", "--drain", "300"});
  ASSERT_TRUE(program.waitForReadyRead(30000));
  const QRegularExpressionMatch serving =
      QRegularExpression(QStringLiteral(":(\\d+)/")).match(program.readAllStandardError());
  const int port = serving.captured(1).toInt();
  auto status = [port](const std::string& path) {
    const std::optional<HttpReply> reply = httpGet(port, path);
    return reply ? reply->status : 0;
  };
  ASSERT_EQ(status("/readyz"), 200);
  program.terminate();
  // The signal is taken by a thread of the service's own, a moment later.
  for (int wait = 0; wait < 100 && status("/readyz") == 200; ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(status("/readyz"), 503);
  EXPECT_EQ(status("/healthz"), 200);
  EXPECT_EQ(status("/v1/title.png?text=Drain"), 200);
  // The second signal does not wait out the 300 seconds.
  program.terminate();
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  EXPECT_EQ(status("/healthz"), 0);
}
