// The threads that serve the service's connections: a fixed number of
// workers and a bounded line of connections waiting for one. A connection
// past that line is handed to a thread of its own that only answers 503,
// so a flood of connections neither grows the threads nor leaves clients
// hanging without an answer.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class ConnectionPool {
 public:
  ConnectionPool(int workers, int waiting);
  ~ConnectionPool();

  void enqueue(std::function<void()> connection);
  void shutdown();

  // Whether the calling thread serves a connection past the line.
  static bool servesRefusals();

 private:
  void work(std::deque<std::function<void()>>& line, bool refusing);

  size_t waiting_;
  std::deque<std::function<void()>> accepted_;
  std::deque<std::function<void()>> refused_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  bool stopping_ = false;
};
