// The thread an engine lane renders on. Every render of the lane runs on
// this one thread whichever connection asked for it, so the memory the
// renders allocate and free, and the font caches Qt keeps per thread, are
// those of one thread instead of growing in each of the connections'.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class LaneThread {
 public:
  LaneThread();
  ~LaneThread();
  LaneThread(const LaneThread&) = delete;
  LaneThread& operator=(const LaneThread&) = delete;

  // Runs `work` on the lane's thread and returns when it is done, throwing
  // what it threw. One caller at a time: the lane's turn.
  void run(const std::function<void()>& work);

 private:
  void serve();

  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void()>* work_ = nullptr;
  std::exception_ptr thrown_;
  bool stopping_ = false;
  std::thread thread_;
};
