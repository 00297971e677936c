#include "service/engine_lanes.h"

EngineLanes::Lane::Lane(const QString& enginePath) : engine(enginePath) {}

EngineLanes::Turn::~Turn() {
  if (lanes_) lanes_->giveBack(*lane_);
}

EngineLanes::EngineLanes(const QString& enginePath) {
  for (int i = 0; i < laneCount(); ++i) {
    lanes_.push_back(std::make_unique<Lane>(enginePath));
    free_.push_back(lanes_.back().get());
  }
}

// One engine state per process: renders are serialised on one lane.
int EngineLanes::laneCount() { return 1; }

std::optional<EngineLanes::Turn> EngineLanes::take(std::chrono::steady_clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  if (!freed_.wait_until(lock, deadline, [this] { return !free_.empty(); })) return std::nullopt;
  Lane* lane = free_.back();
  free_.pop_back();
  return Turn(*this, *lane);
}

void EngineLanes::giveBack(Lane& lane) {
  {
    const std::lock_guard lock(mutex_);
    free_.push_back(&lane);
  }
  freed_.notify_one();
}
