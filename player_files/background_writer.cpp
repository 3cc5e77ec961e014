#include "player_files/background_writer.h"

#include <utility>

namespace lucen {

BackgroundWriter::BackgroundWriter() : thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
  Stop(kStopWaitMs);
}

BackgroundWriter& BackgroundWriter::Shared() {
  static BackgroundWriter writer;
  return writer;
}

void BackgroundWriter::Post(Task task) {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    ready_.push_back(std::move(task));
  }
  changed_.notify_all();
}

void BackgroundWriter::PostAfter(int msecs, Task task) {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    later_.emplace(Clock::now() + std::chrono::milliseconds(msecs), std::move(task));
  }
  changed_.notify_all();
}

bool BackgroundWriter::WaitUntilIdle(int msecs) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(msecs), [this] { return Idle(); });
}

void BackgroundWriter::Stop(int msecs) {
  WaitUntilIdle(msecs);
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    later_.clear();
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void BackgroundWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!later_.empty() && later_.begin()->first <= Clock::now()) {
      ready_.push_back(std::move(later_.begin()->second));
      later_.erase(later_.begin());
    }
    if (ready_.empty()) {
      if (stopping_) return;
      if (later_.empty()) {
        changed_.wait(lock);
      } else {
        changed_.wait_until(lock, later_.begin()->first);
      }
      continue;
    }
    Task task = std::move(ready_.front());
    ready_.pop_front();
    running_ = true;
    lock.unlock();
    task();
    task = nullptr;  // what it holds goes on this thread, before the writer counts as idle
    lock.lock();
    running_ = false;
    changed_.notify_all();
  }
}

}  // namespace lucen
