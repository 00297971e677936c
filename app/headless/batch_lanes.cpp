#include "headless/batch_lanes.h"

#include <algorithm>
#include <system_error>

#include "files/failure.h"

namespace {

// Beyond this many, further engines would only contend for the memory bus.
constexpr size_t mostLanes = 4;
// Titles each thread may finish before the one the list tells next: enough
// to keep every thread busy, few enough that a long list keeps no more than
// a handful of outcomes.
constexpr size_t aheadPerLane = 2;

// A write that ran out of memory fails its own title, named, like any
// other failed write.
std::optional<QString> writeProblem(std::future<std::optional<QString>>& writing) {
  try {
    return writing.get();
  } catch (const std::bad_alloc&) {
    return currentFailure().description();
  }
}

}  // namespace

BatchLanes::BatchLanes(size_t laneCount, size_t titleCount, TitleWork work)
    : work_(std::move(work)),
      titleCount_(titleCount),
      aheadAtMost_(aheadPerLane * std::max(laneCount, size_t{1})) {
  for (size_t lane = 0; lane < laneCount; ++lane) {
    try {
      threads_.emplace_back([this, lane] { takeTitles(lane); });
    } catch (const std::system_error&) {
      break;
    }
  }
}

BatchLanes::~BatchLanes() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& thread : threads_) thread.join();
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
  if (threads_.empty()) {
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
  if (done.writing.valid()) done.problem = writeProblem(done.writing);
  return std::move(done);
}

size_t batchLaneCount(size_t titleCount) {
  const size_t cores = std::max(std::thread::hardware_concurrency(), 1u);
  return std::clamp(std::min(cores, titleCount), size_t{1}, mostLanes);
}
