#include "headless/batch_progress.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// What a progress writes to a stream of its own.
class WrittenProgress {
 public:
  WrittenProgress() : stream_(std::tmpfile()) {}
  ~WrittenProgress() { std::fclose(stream_); }
  std::FILE* stream() const { return stream_; }
  std::string text() const {
    std::rewind(stream_);
    std::string content;
    for (int c = std::fgetc(stream_); c != EOF; c = std::fgetc(stream_)) content += char(c);
    return content;
  }

 private:
  std::FILE* stream_;
};

}  // namespace

TEST(BatchProgress, LineAndBar) {
  EXPECT_EQ(progressLine(12, 40, QStringLiteral("Contact")).toStdString(), "12/40 Contact");
  EXPECT_EQ(progressBar(0, 40, 10).toStdString(), "[..........]");
  EXPECT_EQ(progressBar(12, 40, 10).toStdString(), "[###.......]");
  EXPECT_EQ(progressBar(40, 40, 10).toStdString(), "[##########]");
  EXPECT_EQ(progressBar(50, 40, 10).toStdString(), "[##########]");
  EXPECT_EQ(progressBar(0, 0, 4).toStdString(), "[####]");
}

TEST(BatchProgress, PlainLinesWhenNotATerminal) {
  WrittenProgress written;
  BatchProgress progress(written.stream(), false, 2);
  progress.titleDone(1, QStringLiteral("Home"));
  progress.report(QStringLiteral("Velloro: list.txt:2: empty line"));
  progress.titleDone(2, QStringLiteral("Café"));
  progress.finish();
  EXPECT_EQ(written.text(), "1/2 Home\nVelloro: list.txt:2: empty line\n2/2 Café\n");
}

TEST(BatchProgress, BarRedrawnInPlaceOnATerminal) {
  WrittenProgress written;
  BatchProgress progress(written.stream(), true, 2);
  progress.titleDone(1, QStringLiteral("Home"));
  progress.report(QStringLiteral("oops"));
  progress.titleDone(2, QStringLiteral("Shop"));
  progress.finish();
  const std::string half = "[" + std::string(15, '#') + std::string(15, '.') + "] 1/2 Home";
  const std::string full = "[" + std::string(30, '#') + "] 2/2 Shop";
  EXPECT_EQ(written.text(), "\r\x1b[K" + half + "\r\x1b[Koops\n" + half + "\r\x1b[K" + full + "\n");
}
