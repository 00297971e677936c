// The engines the service renders on, one render at a time on each. The
// engine keeps its layers and working arrays library-wide, so today there
// is one lane and renders take turns on it; when the engine keeps its state
// in objects of its own, laneCount() and Lane's constructor are the one
// place that gives each worker an engine of its own.
#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "headless/console_platform.h"
#include "service/lane_thread.h"
#include "state/engine_library.h"

class EngineLanes {
 public:
  struct Lane {
    explicit Lane(const QString& enginePath);
    EngineLibrary engine;
    ConsolePlatform platform{stderr};  // tells what the renderer has to say, one line each
    LaneThread thread;
  };

  // Hands a lane back when it goes.
  class Turn {
   public:
    Turn(EngineLanes& lanes, Lane& lane) : lanes_(&lanes), lane_(&lane) {}
    Turn(Turn&& other) noexcept
        : lanes_(std::exchange(other.lanes_, nullptr)), lane_(other.lane_) {}
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;
    ~Turn();
    Lane& lane() { return *lane_; }

   private:
    EngineLanes* lanes_;
    Lane* lane_;
  };

  explicit EngineLanes(const QString& enginePath);

  static int laneCount();

  // A free lane, or none when none is free by `deadline`.
  std::optional<Turn> take(std::chrono::steady_clock::time_point deadline);

 private:
  void giveBack(Lane& lane);

  std::vector<std::unique_ptr<Lane>> lanes_;
  std::vector<Lane*> free_;
  std::mutex mutex_;
  std::condition_variable freed_;
};
