#include "service/connection_pool.h"

namespace {

thread_local bool refusingThread = false;

}  // namespace

ConnectionPool::ConnectionPool(int workers, int waiting) : waiting_(size_t(waiting)) {
  for (int i = 0; i < workers; ++i) threads_.emplace_back([this] { work(accepted_, false); });
  threads_.emplace_back([this] { work(refused_, true); });
}

ConnectionPool::~ConnectionPool() { shutdown(); }

bool ConnectionPool::servesRefusals() { return refusingThread; }

void ConnectionPool::enqueue(std::function<void()> connection) {
  {
    const std::lock_guard lock(mutex_);
    (accepted_.size() < waiting_ ? accepted_ : refused_).push_back(std::move(connection));
  }
  arrived_.notify_all();
}

void ConnectionPool::shutdown() {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    stopping_ = true;
  }
  arrived_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

// Connections still waiting at shutdown are served all the same: each closes
// its socket when it ends.
void ConnectionPool::work(std::deque<std::function<void()>>& line, bool refusing) {
  refusingThread = refusing;
  for (;;) {
    std::function<void()> connection;
    {
      std::unique_lock lock(mutex_);
      arrived_.wait(lock, [&] { return stopping_ || !line.empty(); });
      if (line.empty()) return;
      connection = std::move(line.front());
      line.pop_front();
    }
    connection();
  }
}
