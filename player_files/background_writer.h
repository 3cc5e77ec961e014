#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace lucen {

// One thread that does the player's files' disk work, in the order it was asked for, so that a
// slow or full disk never holds up the window.
class BackgroundWriter {
 public:
  using Task = std::function<void()>;

  BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;
  // Stops as Stop() does, giving queued work kStopWaitMs.
  ~BackgroundWriter();

  // The writer the player's files share, stopped when the program ends.
  static BackgroundWriter& Shared();

  // Runs `task` after everything posted before it.
  void Post(Task task);
  // Runs `task` once `msecs` have passed (a retry); nothing once the writer stops.
  void PostAfter(int msecs, Task task);
  // Waits until nothing is queued, waiting for a retry or running, or `msecs` have passed; true in
  // the first case.
  bool WaitUntilIdle(int msecs);
  // Waits for queued work as WaitUntilIdle does, then runs what is queued now, drops the retries
  // still waiting and ends the thread. Later tasks are dropped.
  void Stop(int msecs);

  static constexpr int kStopWaitMs = 2000;

 private:
  using Clock = std::chrono::steady_clock;
  void Run();
  bool Idle() const { return ready_.empty() && later_.empty() && !running_; }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Task> ready_;
  std::multimap<Clock::time_point, Task> later_;
  bool running_ = false;
  bool stopping_ = false;
  std::thread thread_;  // last, so that it starts after the rest is made
};

}  // namespace lucen
