#include "service/lane_thread.h"

#include <utility>

LaneThread::LaneThread() : thread_([this] { serve(); }) {}

LaneThread::~LaneThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void LaneThread::run(const Work& work, std::chrono::steady_clock::time_point deadline) {
  std::stop_source stop;
  std::unique_lock lock(mutex_);
  work_ = &work;
  stop_ = stop.get_token();
  thrown_ = nullptr;
  changed_.notify_all();
  const auto done = [this] { return work_ == nullptr; };
  if (!changed_.wait_until(lock, deadline, done)) {
    lock.unlock();
    stop.request_stop();
    lock.lock();
    changed_.wait(lock, done);
  }
  if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
}

void LaneThread::serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || work_ != nullptr; });
    if (work_ == nullptr) return;
    const std::stop_token stop = stop_;
    lock.unlock();
    std::exception_ptr thrown;
    try {
      (*work_)(stop);
    } catch (...) {
      thrown = std::current_exception();
    }
    lock.lock();
    thrown_ = thrown;
    work_ = nullptr;
    changed_.notify_all();
  }
}
