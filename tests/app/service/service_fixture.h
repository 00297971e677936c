// A render service on a free loopback port, serving from the shipped data,
// with a fonts folder holding one real font and one file that is no font.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <thread>

#include "http_client.h"
#include "service/title_service.h"
#include "test_files.h"

class RunningService {
 public:
  explicit RunningService(const ServiceSetup& setup) : service_(setup) {
    port_ = service_.bind().value_or(0);
    if (port_ > 0) thread_ = std::thread([this] { service_.serve(); });
  }
  ~RunningService() {
    service_.stop();
    if (thread_.joinable()) thread_.join();
  }
  int port() const { return port_; }

 private:
  TitleService service_;
  int port_ = 0;
  std::thread thread_;
};

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
                            fonts.filePath(QStringLiteral("Brand.ttf"))));
    writeContent(fonts.filePath(QStringLiteral("fake.ttf")), "not a font at all");
  }

  // Starts the service; `key` empty for unsigned requests.
  void start(const QByteArray& key = {}) {
    ServiceSetup setup;
    setup.settings = settings;
    setup.settings.port = 0;
    setup.settings.stylesFolder = QStringLiteral(SHIPPED_DATA "/styles");
    setup.settings.fontsFolder = fonts.path();
    setup.programFolder = QStringLiteral(SHIPPED_DATA);
    setup.enginePath = QStringLiteral(ENGINE_PATH);
    setup.key = key;
    service = std::make_unique<RunningService>(setup);
  }

  // The answer to GET `target`; status 0 when no whole answer came.
  HttpReply get(const std::string& target, const HttpHeaders& headers = {}) {
    return httpGet(service->port(), target, headers).value_or(HttpReply{});
  }

  // Plain-text answers of one line, each with the status and body of its row.
  struct Answer {
    std::string path;
    int status;
    std::string body;
  };
  void expectAnswers(const std::vector<Answer>& answers) {
    for (const Answer& expected : answers) {
      const HttpReply answer = get(expected.path);
      EXPECT_EQ(answer.status, expected.status) << expected.path;
      EXPECT_EQ(answer.body, expected.body) << expected.path;
      EXPECT_EQ(answer.header("Content-Type"), "text/plain; charset=utf-8") << expected.path;
    }
  }

  // The count of renders /metrics reports.
  std::string renders() {
    const std::string metrics = get("/metrics").body;
    const std::string name = "velloro_render_seconds_count ";
    const size_t at = metrics.find(name);
    if (at == std::string::npos) return "not told";
    return metrics.substr(at + name.size(), metrics.find('\n', at) - at - name.size());
  }

  ServiceSettings settings;
  QTemporaryDir fonts;
  std::unique_ptr<RunningService> service;
};
