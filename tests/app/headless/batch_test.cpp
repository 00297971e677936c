#include "headless/batch_list.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <new>

#include "headless/background_write.h"
#include "headless/batch_lanes.h"
#include "headless/batch_progress.h"
#include "render_run_fixture.h"

namespace {

std::string described(const BatchList& list) {
  std::string text;
  for (const BatchTitle& title : list.titles)
    text += std::to_string(title.lineNumber) + " " + title.text.toStdString() + " -> " +
            title.fileName.toStdString() + "\n";
  for (const BatchProblem& problem : list.problems)
    text += std::to_string(problem.lineNumber) + ": " + problem.message.toStdString() + "\n";
  return text;
}

}  // namespace

TEST(BatchList, LinesBecomeTitlesOrProblems) {
  const std::pair<QByteArray, const char*> cases[] = {
      {"Home\thome.png\nContact us\tcontact.webp\n",
       "1 Home -> home.png\n2 Contact us -> contact.webp\n"},
      {"\xEF\xBB\xBF# buttons\r\nShop\tshop.jpg\r\n", "2 Shop -> shop.jpg\n"},
      {"Caf\xC3\xA9\tcafe.bmp", "1 Café -> cafe.bmp\n"},
      {"A\ta.png\n\nB\tb.png\n", "1 A -> a.png\n3 B -> b.png\n2: empty line\n"},
      {"A a.png\n", "1: no tab between the text and the file name\n"},
      {"\ta.png\n", "1: no text before the tab\n"},
      {"A\t\n", "1: no file name after the tab\n"},
      {"A\t../a.png\n", "1: the file name '../a.png' must not name a folder\n"},
      {"A\t.png\n", "1: the file name '.png' starts with a dot\n"},
      {"A\ta.tif\n", "1: the file name 'a.tif' does not end in .png, .webp, .jpg, .bmp\n"},
      {"A\ta.png\nB\ta.png\n",
       "1 A -> a.png\n2: the file name 'a.png' is used by an earlier line\n"},
      {"Bad \xFF\ta.png\n", "1: the line is not UTF-8 text\n"},
      {"Tab\tin\ttext.png\n", "1: more than one tab on the line\n"},
      {"A\tevil\x01.png\n", "1: the file name 'evil\x01.png' holds a control character\n"},
      {"", ""},
      {"# only a comment\n", ""},
      {"   \ta.png\n", "1: the text holds nothing to draw\n"},
      {"\r\r\r\ta.png\n", "1: the text holds nothing to draw\n"},
      {QByteArray("A\r").repeated(20) + "A\ta.png\n",
       "1: the text has 21 lines; a title holds at most 20\n"},
      {QByteArray("A\r").repeated(100000) + "A\ta.png\n",
       "1: the text has 100001 lines; a title holds at most 20\n"},
      {"\xF0\x9D\x90\x87\xF0\x9D\x90\x9E\ta.png\n",
       "1 \xF0\x9D\x90\x87\xF0\x9D\x90\x9E -> a.png\n"},
  };
  for (const auto& [content, expected] : cases)
    EXPECT_EQ(described(parseBatchList(content)), expected) << content.toStdString();
  // The system would end the name at the zero byte.
  EXPECT_TRUE(parseBatchList(QByteArray("A\tevil\0.png\n", 12)).titles.empty());
}

// The ends of the bar; the lines and a bar part way are in the run below.
TEST(BatchProgress, BarAtItsEndsAndPlainLinesOrABarRedrawnInPlace) {
  EXPECT_EQ(progressBar(0, 40, 10).toStdString(), "[..........]");
  EXPECT_EQ(progressBar(50, 40, 10).toStdString(), "[##########]");
  EXPECT_EQ(progressBar(0, 0, 4).toStdString(), "[####]");
  // Plain lines for a file, a bar redrawn in place on a terminal; control
  // characters of the list are shown as codes either way.
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

// Titles worked on several threads come back in the order of the list, with
// what went wrong in its place, and no thread runs far ahead of the list.
TEST(BatchLanes, OutcomesComeInListOrderWithoutRunningFarAhead) {
  constexpr size_t laneCount = 3;
  std::atomic<size_t> handedOut{0};
  std::mutex mutex;
  size_t farthestAhead = 0;
  BatchLanes lanes(laneCount, 60, [&](size_t lane, size_t index) {
    EXPECT_LT(lane, laneCount);
    const std::lock_guard lock(mutex);
    farthestAhead = std::max(farthestAhead, index - handedOut);
    return TitleOutcome{{}, QString::number(index)};
  });
  for (size_t index = 0; index < 60; ++index) {
    EXPECT_EQ(lanes.nextOutcome().problem, QString::number(index));
    ++handedOut;
  }
  EXPECT_LT(farthestAhead, 4 * laneCount);
}

TEST(BatchLanes, WhatIsNoFailureIsThrownInItsPlace) {
  for (const size_t laneCount : {1, 2}) {
    BatchLanes lanes(laneCount, 8, [](size_t, size_t index) -> TitleOutcome {
      if (index == 5) throw std::bad_alloc();
      return {};
    });
    for (int index = 0; index < 5; ++index) lanes.nextOutcome();
    EXPECT_THROW(lanes.nextOutcome(), std::bad_alloc) << laneCount;
  }
}

// A write that ran out of memory fails its own title, named as such; the
// next title's outcome still comes.
TEST(BatchLanes, AWriteOutOfMemoryIsItsTitlesProblem) {
  BatchLanes lanes(1, 2, [](size_t, size_t index) {
    TitleOutcome outcome;
    std::promise<std::optional<QString>> writing;
    if (index == 0)
      writing.set_exception(std::make_exception_ptr(std::bad_alloc()));
    else
      writing.set_value(std::nullopt);
    outcome.writing = writing.get_future();
    return outcome;
  });
  EXPECT_EQ(lanes.nextOutcome().problem, QStringLiteral("Out of memory"));
  EXPECT_EQ(lanes.nextOutcome().problem, std::nullopt);
}

// With no thread to be had (a user at its process limit), the file is still
// written, under its own name, before the call returns.
TEST(BackgroundWrite, WithoutAThreadTheFileIsWrittenAllTheSame) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to become a user with a process limit";
  QTemporaryDir folder;
  ::chmod(QFile::encodeName(folder.path()).constData(), 0777);
  const QString path = folder.filePath(QStringLiteral("title.png"));
  const pid_t child = fork();
  if (child == 0) {
    ::alarm(30);
    const rlimit one{1, 1};
    const bool limited =
        ::setgid(65534) == 0 && ::setrlimit(RLIMIT_NPROC, &one) == 0 && ::setuid(65534) == 0;
    const bool written =
        limited && !writeInBackground(path, "picture", FinalLink::Refuse).get().has_value();
    _exit(written ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(contentOf(path), "picture");
}
