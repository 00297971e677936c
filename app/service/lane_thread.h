// The thread an engine lane renders on. Every render of the lane runs on
// this one thread whichever connection asked for it, so the memory the
// renders allocate and free, and the font caches Qt keeps per thread, are
// those of one thread instead of growing in each of the connections'.
#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

class LaneThread {
 public:
  LaneThread();
  ~LaneThread();
  LaneThread(const LaneThread&) = delete;
  LaneThread& operator=(const LaneThread&) = delete;

  using Work = std::function<void(std::stop_token)>;

  // Runs `work` on the lane's thread and returns when it is done, throwing
  // what it threw. Once `deadline` passes, the stop token `work` was handed
  // is asked to stop, on the caller's thread, and `work` is waited for
  // still: it is to end soon after. One caller at a time: the lane's turn.
  void run(const Work& work, std::chrono::steady_clock::time_point deadline);

 private:
  void serve();

  std::mutex mutex_;
  std::condition_variable changed_;
  const Work* work_ = nullptr;
  std::stop_token stop_;
  std::exception_ptr thrown_;
  bool stopping_ = false;
  std::thread thread_;
};
