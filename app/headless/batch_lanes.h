// The titles of a batch rendered and written on several threads at once,
// each thread with a renderer of its own: the relief engine keeps its
// layers library-wide and works a small title on one core, so each thread
// drives its own copy of the engine. Outcomes are handed out in the order
// of the list, whichever thread finished first.
#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <functional>
#include <future>
#include <optional>
#include <thread>
#include <vector>

class TitleRenderer;

// What became of one title: told on the error stream in the list's order.
struct TitleOutcome {
  std::optional<QString> cutNotice;  // the design runs past a fixed canvas
  std::optional<QString> problem;    // the title was not written
};

// Renders and writes title `index` with `renderer`. A Failure is reported
// in the outcome; anything else thrown reaches the caller of outcome().
using TitleWork = std::function<TitleOutcome(TitleRenderer& renderer, size_t index)>;

class BatchLanes {
 public:
  // One thread for each renderer, all taking the next title not yet taken.
  // When no thread can be started, outcome() does the work itself.
  BatchLanes(const std::vector<TitleRenderer*>& renderers, size_t titleCount, TitleWork work);
  // Lets the threads finish the title each is on, then ends them.
  ~BatchLanes();
  BatchLanes(const BatchLanes&) = delete;
  BatchLanes& operator=(const BatchLanes&) = delete;

  // The outcome of title `index`, waiting for it; asked for once per title,
  // in order.
  TitleOutcome outcome(size_t index);

 private:
  void takeTitles(TitleRenderer& renderer);

  std::vector<TitleRenderer*> renderers_;
  TitleWork work_;
  std::vector<std::promise<TitleOutcome>> promised_;
  std::atomic<size_t> next_{0};
  std::vector<std::thread> threads_;
};

// How many renderers a batch of `titleCount` titles keeps busy on this machine.
size_t batchLaneCount(size_t titleCount);
