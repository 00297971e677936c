#include "headless/batch_progress.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "stream_text.h"

TEST(BatchProgress, LineAndBar) {
  EXPECT_EQ(progressLine(12, 40, QStringLiteral("Contact")).toStdString(), "12/40 Contact");
  EXPECT_EQ(progressBar(0, 40, 10).toStdString(), "[..........]");
  EXPECT_EQ(progressBar(12, 40, 10).toStdString(), "[###.......]");
  EXPECT_EQ(progressBar(40, 40, 10).toStdString(), "[##########]");
  EXPECT_EQ(progressBar(50, 40, 10).toStdString(), "[##########]");
  EXPECT_EQ(progressBar(0, 0, 4).toStdString(), "[####]");
}

// Plain lines for a file, a bar redrawn in place on a terminal; control
// characters of the list are shown as codes either way.
TEST(BatchProgress, PlainLinesOrABarRedrawnInPlace) {
  const std::string report = "Velloro: list.txt:2: 'a\\x9B.png'\n";
  const std::string title = "2/2 Caf\xC3\xA9 \\x1B]0;owned\\x07\\x1B[2J\\x0DHi\\x7F";
  const std::string half = "[" + std::string(15, '#') + std::string(15, '.') + "] 1/2 Home";
  const std::pair<bool, std::string> cases[] = {
      {false, "1/2 Home\n" + report + title + "\n"},
      {true, "\r\x1b[K" + half + "\r\x1b[K" + report + half + "\r\x1b[K[" + std::string(30, '#') +
                 "] " + title + "\n"},
  };
  for (const auto& [terminal, expected] : cases) {
    std::FILE* stream = std::tmpfile();
    BatchProgress progress(stream, terminal, 2);
    progress.titleDone(1, QStringLiteral("Home"));
    progress.report(QStringLiteral("Velloro: list.txt:2: 'a\u009B.png'"));
    progress.titleDone(2, QStringLiteral("Café \x1B]0;owned\x07\x1B[2J\rHi\x7F"));
    progress.finish();
    EXPECT_EQ(textOf(stream), expected) << terminal;
    std::fclose(stream);
  }
}
