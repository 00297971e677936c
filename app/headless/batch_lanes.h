// The titles of a batch rendered and written on several threads at once,
// each thread with a renderer of its own on an engine object of its own,
// so no lane's layers meet another's. Outcomes are handed out in the order
// of the list, whichever thread finished first.
#pragma once

#include <QString>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

// What became of one title: told on the error stream in the list's order.
struct TitleOutcome {
  std::optional<QString> cutNotice;            // the design runs past a fixed canvas
  std::optional<QString> problem;              // the title was not written
  std::optional<QString> missingGlyphsNotice;  // written with characters no font draws
  std::optional<QString> boxCutNotice;         // cut to fit the box
  // The title's file while it is still being written: the write's problem,
  // if any, is the title's.
  std::future<std::optional<QString>> writing;
};

// Renders and writes title `index` with the renderer of thread `lane`. A
// Failure is reported in the outcome; anything else thrown reaches the
// caller of nextOutcome().
using TitleWork = std::function<TitleOutcome(size_t lane, size_t index)>;

class BatchLanes {
 public:
  // `laneCount` threads (at least one), each taking the next title not yet
  // taken. When no thread can be started, nextOutcome() does the work on lane 0.
  BatchLanes(size_t laneCount, size_t titleCount, TitleWork work);
  // Lets the threads finish the title each is on, then ends them.
  ~BatchLanes();
  BatchLanes(const BatchLanes&) = delete;
  BatchLanes& operator=(const BatchLanes&) = delete;

  // The outcome of the next title, waiting for it and for its file to be
  // written; asked for once per title, in order. Rethrows what the work
  // threw other than a Failure.
  TitleOutcome nextOutcome();

 private:
  using Finished = std::variant<TitleOutcome, std::exception_ptr>;
  void takeTitles(size_t lane);
  Finished finished(size_t lane, size_t index) const;

  TitleWork work_;
  size_t titleCount_;
  size_t aheadAtMost_;  // titles taken beyond the one to hand out next
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t taken_ = 0;                          // titles a thread has taken
  size_t handedOut_ = 0;                      // outcomes handed out
  std::deque<std::optional<Finished>> kept_;  // of titles handedOut_ to taken_ - 1
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

// How many renderers a batch of `titleCount` titles keeps busy on this machine.
size_t batchLaneCount(size_t titleCount);
