#include "headless/batch_progress.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "stream_text.h"

namespace {

// A progress writing to a stream of its own.
class BatchProgressOutput : public testing::Test {
 protected:
  ~BatchProgressOutput() override { std::fclose(stream); }
  std::FILE* stream = std::tmpfile();
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

TEST_F(BatchProgressOutput, PlainLinesWhenNotATerminal) {
  BatchProgress progress(stream, false, 2);
  progress.titleDone(1, QStringLiteral("Home"));
  progress.report(QStringLiteral("Velloro: list.txt:2: empty line"));
  progress.titleDone(2, QStringLiteral("Café"));
  progress.finish();
  EXPECT_EQ(textOf(stream), "1/2 Home\nVelloro: list.txt:2: empty line\n2/2 Café\n");
}

TEST_F(BatchProgressOutput, BarRedrawnInPlaceOnATerminal) {
  BatchProgress progress(stream, true, 2);
  progress.titleDone(1, QStringLiteral("Home"));
  progress.report(QStringLiteral("oops"));
  progress.titleDone(2, QStringLiteral("Shop"));
  progress.finish();
  const std::string half = "[" + std::string(15, '#') + std::string(15, '.') + "] 1/2 Home";
  const std::string full = "[" + std::string(30, '#') + "] 2/2 Shop";
  EXPECT_EQ(textOf(stream), "\r\x1b[K" + half + "\r\x1b[Koops\n" + half + "\r\x1b[K" + full + "\n");
}

TEST_F(BatchProgressOutput, ControlCharactersOfTheListAreShownAsCodes) {
  BatchProgress progress(stream, false, 1);
  progress.report(QStringLiteral("list.txt:1: 'a\u009B.png'"));
  progress.titleDone(1, QStringLiteral("\x1B]0;owned\x07\x1B[2J\rHi\x7F"));
  EXPECT_EQ(textOf(stream),
            "list.txt:1: 'a\\x9B.png'\n1/1 \\x1B]0;owned\\x07\\x1B[2J\\x0DHi\\x7F\n");
}
