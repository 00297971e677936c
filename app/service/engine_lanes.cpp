#include "service/engine_lanes.h"

#include <QThread>
#include <algorithm>

EngineLanes::Lane::Lane(const QString& enginePath) : library(enginePath) {}

const EngineEntryPoints& EngineLanes::Lane::engine() {
  if (!object) object = library.newObject(1);
  return *object;
}

EngineLanes::Turn::~Turn() {
  if (lanes_) lanes_->giveBack(*lane_);
}

EngineLanes::EngineLanes(const QString& enginePath) {
  for (int i = 0; i < laneCount(); ++i) {
    lanes_.push_back(std::make_unique<Lane>(enginePath));
    free_.push_back(lanes_.back().get());
  }
}

int EngineLanes::laneCount() { return std::max(1, QThread::idealThreadCount()); }

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
