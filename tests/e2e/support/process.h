#pragma once

#include <sys/types.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace lucen::e2e {

// How long anything that should happen may take before a test gives up on it. Only a guard
// against hangs: the game is far quicker, even under the sanitizers on a busy machine.
inline constexpr std::chrono::milliseconds kPatience{30'000};

// How a child process ended.
struct ExitStatus {
  bool exited = false;  // by exit() or return from main
  int code = 0;         // when exited
  int signal = 0;       // the signal that killed it, when it did not exit
};

// A child process started through QProcess in a process group of its own, which dies with the
// test should the test die first. Whatever is still running of that group when the object goes
// (test failure included) is ended and reaped. Needs a QCoreApplication.
class ChildProcess {
 public:
  // Starts argv[0] with `environment` as its whole environment (nothing of the test's leaks in)
  // and its output in the two files. Throws std::runtime_error when it cannot.
  ChildProcess(const QStringList& argv, const QProcessEnvironment& environment,
               const std::filesystem::path& out, const std::filesystem::path& err);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // When the process was asked to start: the moment just before it was forked.
  std::chrono::steady_clock::time_point Started() const { return started_; }
  bool Running() {
    return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0);
  }
  // Waits at most `limit` for the process to end; nothing if it is still running then.
  std::optional<ExitStatus> WaitFor(std::chrono::milliseconds limit = kPatience);

 private:
  QProcess process_;
  pid_t pid_ = -1;
  std::chrono::steady_clock::time_point started_;
};

// Reads a whole file; empty when it does not exist.
std::string ReadFile(const std::filesystem::path& path);

// Polls `condition` until it holds or kPatience has passed; returns its last value.
template <typename Condition>
bool WaitUntil(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace lucen::e2e
