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

void LaneThread::run(const std::function<void()>& work) {
  std::unique_lock lock(mutex_);
  work_ = &work;
  thrown_ = nullptr;
  changed_.notify_all();
  changed_.wait(lock, [this] { return work_ == nullptr; });
  if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
}

void LaneThread::serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || work_ != nullptr; });
    if (work_ == nullptr) return;
    lock.unlock();
    std::exception_ptr thrown;
    try {
      (*work_)();
    } catch (...) {
      thrown = std::current_exception();
    }
    lock.lock();
    thrown_ = thrown;
    work_ = nullptr;
    changed_.notify_all();
  }
}
