// The engines the service renders on, one render at a time on each: a lane
// for each core, each with an engine object of its own (its own layers and
// working memory) that renders on the lane's thread alone, so the lanes are
// the service's parallelism.
#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "headless/console_platform.h"
#include "rendering/engine_library.h"
#include "service/lane_design.h"
#include "service/lane_thread.h"

class EngineLanes {
 public:
  struct Lane {
    explicit Lane(const QString& enginePath);
    // Made at the lane's first render; throws a Failure naming the library.
    const EngineEntryPoints& engine();
    EngineLibrary library;
    std::unique_ptr<EngineEntryPoints> object;
    ConsolePlatform platform{stderr};  // tells what the renderer has to say, one line each
    LaneDesign design;                 // the design drawn last, drawn with again
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
