#include "headless/batch_lanes.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>

namespace {

// Beyond this many, further engines would only contend for the memory bus.
constexpr size_t mostLanes = 4;
// Titles each thread may finish before the one the list tells next: enough
// to keep every thread busy, few enough that a long list keeps no more than
// a handful of outcomes.
constexpr size_t aheadPerLane = 2;

}  // namespace

BatchLanes::BatchLanes(size_t laneCount, size_t titleCount, TitleWork work)
    : work_(std::move(work)),
      titleCount_(titleCount),
      aheadAtMost_(aheadPerLane * std::max(laneCount, size_t{1})) {
  // Qt splits a large fill or picture conversion over the threads of its
  // global pool, unless a thread of that pool asks for it: run there, a
  // lane works its text and pictures alone instead of waking further
  // threads that would take the cores from the other lanes. The pool grows
  // by the lanes, so that Qt still finds threads for other callers.
  QThreadPool& pool = *QThreadPool::globalInstance();
  const int wanted = pool.activeThreadCount() + int(laneCount) + QThread::idealThreadCount();
  if (pool.maxThreadCount() < wanted) pool.setMaxThreadCount(wanted);
  for (size_t lane = 0; lane < laneCount; ++lane) {
    if (!pool.tryStart([this, lane] { runLane(lane); })) break;
    ++lanesRunning_;
    ++lanesStarted_;
  }
}

void BatchLanes::runLane(size_t lane) {
  takeTitles(lane);
  const std::lock_guard lock(mutex_);
  --lanesRunning_;
  changed_.notify_all();
}

BatchLanes::~BatchLanes() {
  std::unique_lock lock(mutex_);
  stopping_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return lanesRunning_ == 0; });
}

BatchLanes::Finished BatchLanes::finished(size_t lane, size_t index) const {
  try {
    return work_(lane, index);
  } catch (...) {
    return std::current_exception();
  }
}

void BatchLanes::takeTitles(size_t lane) {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] {
      return stopping_ || taken_ == titleCount_ || taken_ < handedOut_ + aheadAtMost_;
    });
    if (stopping_ || taken_ == titleCount_) return;
    const size_t index = taken_++;
    kept_.emplace_back();
    lock.unlock();
    Finished outcome = finished(lane, index);
    lock.lock();
    kept_[index - handedOut_] = std::move(outcome);
    changed_.notify_all();
  }
}

TitleOutcome BatchLanes::nextOutcome() {
  std::optional<Finished> outcome;
  if (lanesStarted_ == 0) {
    outcome = finished(0, handedOut_++);
  } else {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !kept_.empty() && kept_.front().has_value(); });
    outcome = std::move(kept_.front());
    kept_.pop_front();
    ++handedOut_;
    lock.unlock();
    changed_.notify_all();
  }
  if (auto* thrown = std::get_if<std::exception_ptr>(&*outcome)) std::rethrow_exception(*thrown);
  TitleOutcome& done = std::get<TitleOutcome>(*outcome);
  if (done.writing.valid()) done.problem = done.writing.get();
  return std::move(done);
}

size_t batchLaneCount(size_t titleCount) {
  const size_t cores = std::max(std::thread::hardware_concurrency(), 1u);
  return std::clamp(std::min(cores, titleCount), size_t{1}, mostLanes);
}
